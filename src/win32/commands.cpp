// The controls' notes and the keys, passed to the form's controller, a
// closed list's typing included, and opening documents.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "win32/form_window.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR,
                                                LPCWSTR, INT);
using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);

// Help and the web address open through the shell, which is loaded with
// COM only when first asked: neither is needed to show the form, and each
// library loaded costs the start. This thread joins the apartment the shell
// wants: it may hand a document to an extension through COM.
ShellExecuteFunction LoadShell() {
  if (auto initialize = SystemFunction<CoInitializeExFunction>(
          L"ole32.dll", "CoInitializeEx")) {
    initialize(nullptr, COINIT_APARTMENTTHREADED);
  }
  return SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
}

// ShellExecuteW's "open" of `target`; false when the shell cannot be
// loaded or does not open it.
bool ShellOpen(HWND owner, const wchar_t* target, const wchar_t* parameters,
               const wchar_t* folder) {
  static const ShellExecuteFunction execute = LoadShell();
  if (execute == nullptr) return false;
  return INT_PTR(execute(owner, L"open", target, parameters, folder,
                         SW_SHOWNORMAL)) > 32;
}

}  // namespace

void FormWindow::OnCommand(HWND control, int code) {
  FollowFocus(control, code);
  const std::string name = NameOf(control);
  if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
    return controller_.FocusLeft(name);
  }
  if (code == EN_CHANGE || code == CBN_SELCHANGE) {
    return controller_.Changed(name);
  }
  if (code == BN_CLICKED) controller_.Clicked(name);
}

bool FormWindow::OpenDocument(const std::filesystem::path& file) {
  return ShellOpen(nullptr, file.wstring().c_str(), nullptr, nullptr);
}

void FormWindow::OpenAddress(const std::string& address) {
  ShellOpen(hwnd_, From1252(address).c_str(), L"", folder_.wstring().c_str());
}

namespace {

// Typing in a closed list goes to the form, which finds an item by the start
// of its name, blanks included ("L3 1/2x2 1/2x1/4"); the system's own search
// stops at the first blank.
LRESULT CALLBACK TypeAheadList(HWND list, UINT message, WPARAM w, LPARAM l,
                               UINT_PTR, DWORD_PTR) {
  if (message != WM_CHAR || w < 0x20 || w == 0x7F ||
      SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) ||
      !SendMessageW(GetParent(list), kTypedInList, WPARAM(list), LPARAM(w))) {
    return DefSubclassProc(list, message, w, l);
  }
  return 0;
}

// Bit 30 of a key message: the key was already down, the keyboard repeats.
bool IsRepeat(const MSG& message) { return (message.lParam >> 30) & 1; }

FormKey KeyOf(const MSG& message, HWND focus) {
  switch (message.wParam) {
    case VK_RETURN:
      return FormKey::kEnter;
    case VK_SPACE:
      return FormKey::kSpace;
    case VK_DELETE:
      // An open list's keys are its own.
      return SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0) ? FormKey::kOther
                                                           : FormKey::kDelete;
    default:
      return FormKey::kOther;
  }
}

}  // namespace

void KeepTypeAhead(HWND list) { SetWindowSubclass(list, TypeAheadList, 2, 0); }

bool FormWindow::HandleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam == VK_F1) {
    controller_.Help();
    return true;
  }
  const HWND focus = GetFocus();
  if (focus == nullptr) return false;
  return controller_.Key(KeyOf(message, focus), NameOf(focus),
                         IsRepeat(message));
}

bool FormPreTranslate(MSG& message) {
  FormWindow* form = FormWindow::running_form_;
  if (form == nullptr || form->hwnd_ == nullptr ||
      GetAncestor(message.hwnd, GA_ROOT) != form->hwnd_) {
    return false;
  }
  return form->HandleKey(message) || IsDialogMessageW(form->hwnd_, &message);
}

}  // namespace vpa
