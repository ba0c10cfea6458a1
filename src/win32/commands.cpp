// The controls' notes and the keys, passed to the form's controller, and
// opening documents.
#include <windows.h>
#include <commctrl.h>

#include "win32/form_window.h"
#include "win32/shell_open.h"
#include "win32/wide_text.h"

namespace vpa {

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

void FormWindow::Say(const std::string& title, const std::wstring& text,
                     UINT icon) {
  MessageBoxW(hwnd_, text.c_str(), From1252(title).c_str(), MB_OK | icon);
}

namespace {

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
