// The controls' notes and the keys, passed to the form's controller, and
// the Help and web commands.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "base/files.h"
#include "form/start_notes.h"
#include "form/web_address.h"
#include "win32/form_window.h"
#include "win32/path_message.h"
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
  if (code != BN_CLICKED) return;
  for (const Placed& placed : controls_) {
    if (placed.hwnd != control) continue;
    switch (placed.design.role) {
      case Role::kRun:
        controller_.Run(placed.design.row);
        return;
      case Role::kHelp:
        OpenHelp();
        return;
      case Role::kWeb:
        OpenWebSite();
        return;
      case Role::kExit:
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
        return;
      default:
        return;
    }
  }
}

void FormWindow::OpenHelp() {
  const std::filesystem::path page = core_folder_.HelpPage();
  if (!ShellOpen(nullptr, page.wstring().c_str(), nullptr, nullptr)) {
    Say(kFormCaption, FromUtf8(HelpNotOpenedMessage(PathText(page))),
        MB_ICONWARNING);
  }
}

// Found at start, said once the form shows, which it does all the same.
void FormWindow::TellMissingFolders() {
  if (!missing_folders_) return;
  const std::string missing = *missing_folders_;
  missing_folders_.reset();
  Say(kFormCaption, FromUtf8(missing), MB_ICONWARNING);
}

void FormWindow::OpenWebSite() {
  std::optional<std::string> address = WebAddressToOpen(maker_.web_address);
  if (!address) {
    Say(kMissingWebTitle, FromBytes(kMissingWebText), MB_ICONERROR);
    return;
  }
  ShellOpen(hwnd_, FromBytes(*address).c_str(), L"", folder_.wstring().c_str());
}

void FormWindow::Say(const std::string& title, const std::wstring& text,
                     UINT icon) {
  MessageBoxW(hwnd_, text.c_str(), FromBytes(title).c_str(), MB_OK | icon);
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
    OpenHelp();
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
