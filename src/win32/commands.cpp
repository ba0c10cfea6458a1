// The commands: the row command with its finish, Help, web and Exit, and
// the keys the form answers itself.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "base/files.h"
#include "form/fields.h"
#include "form/row_feedback.h"
#include "form/run_row.h"
#include "form/start_notes.h"
#include "form/web_address.h"
#include "staging/row_check.h"
#include "win32/form_window.h"
#include "win32/path_message.h"
#include "win32/shell_open.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

bool IsButton(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  return lstrcmpiW(name, L"BUTTON") == 0;
}

bool IsList(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  return lstrcmpiW(name, L"COMBOBOX") == 0;
}

}  // namespace

void FormWindow::OnCommand(HWND control, int code) {
  FollowFocus(control, code);
  // A box that loses the focus shows the start of its entry, so a long
  // "10-11 15/16" never reads as "-11 15/16".
  if (code == EN_KILLFOCUS) {
    SendMessageW(control, EM_SETSEL, 0, 0);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    return SaveNow();
  }
  if (code == CBN_KILLFOCUS) return SaveNow();
  if (code == EN_CHANGE || code == CBN_SELCHANGE) SaveSoon();
  if (code == EN_CHANGE) return ShowReading(control);
  if (code != BN_CLICKED) return;
  for (const Placed& placed : controls_) {
    if (placed.hwnd != control) continue;
    switch (placed.design.role) {
      case Role::kRun:
        RunRow(placed.design.row);
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

void FormWindow::RunRow(int row) { run_.Run(row, ReadState(), *this); }

void FormWindow::ShowFailure(const RunOutcome& outcome) {
  ShowMessage(kFormCaption, FromUtf8(outcome.message), MB_ICONERROR);
}

// One warning for every refusing entry; then the first of them is ready to
// be mended.
void FormWindow::ShowRefusal(const RunOutcome& outcome) {
  ShowMessage(kFormCaption, FromUtf8(outcome.message), MB_ICONWARNING);
  for (const Placed& placed : controls_) {
    if (placed.design.name != outcome.focus || placed.hwnd == nullptr) continue;
    SetFocus(placed.hwnd);
    if (outcome.select_all) SendMessageW(placed.hwnd, EM_SETSEL, 0, -1);
  }
}

// What a Run will make of the box's entry, as the detailer types: the
// tooltip says it, and an entry it would refuse turns red.
void FormWindow::ShowReading(HWND box) {
  for (const Placed& placed : controls_) {
    if (placed.hwnd != box || placed.design.kind != ControlKind::kTextBox) {
      continue;
    }
    const StoredField* field = FieldOfControl(placed.design.name);
    if (field == nullptr) return;
    EntryReading reading = ReadEntry(field->field, To1252(WindowText(box)));
    SetHint(box, From1252(reading.tooltip));
    std::erase(refused_boxes_, box);
    if (reading.refused) refused_boxes_.push_back(box);
    InvalidateRect(box, nullptr, TRUE);
  }
}

// A key or a paste the box did not take: its reading says why, in red, at
// once and where the detailer is looking.
void FormWindow::ShowRefusedEdit(HWND box, const std::string& refusal) {
  const std::wstring reading =
      FromUtf8(RefusedEditReading(To1252(WindowText(box)), refusal));
  SetHint(box, reading);
  if (std::find(refused_boxes_.begin(), refused_boxes_.end(), box) ==
      refused_boxes_.end()) {
    refused_boxes_.push_back(box);
  }
  InvalidateRect(box, nullptr, TRUE);
  const std::wstring title = FromUtf8(kFormCaption);
  EDITBALLOONTIP tip = {sizeof tip, title.c_str(), reading.c_str(),
                        TTI_WARNING};
  SendMessageW(box, EM_SHOWBALLOONTIP, 0, LPARAM(&tip));
  MessageBeep(MB_ICONWARNING);
}

// Typing and Run go on while this shows: the message box has a thread of
// its own and no owner, so it holds up nothing of the form.
void FormWindow::TellUnsaved(const std::string& message) {
  auto* text = new std::wstring(FromUtf8(message));
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* given) -> DWORD {
        std::unique_ptr<std::wstring> shown(static_cast<std::wstring*>(given));
        MessageBoxW(nullptr, shown->c_str(), FromUtf8(kFormCaption).c_str(),
                    MB_OK | MB_ICONWARNING);
        return 0;
      },
      text, 0, nullptr);
  if (thread == nullptr) {
    delete text;
    return;
  }
  CloseHandle(thread);
}

void FormWindow::MarkWritten(const RunOutcome& outcome) {
  last_run_row_ = outcome.marked_row;
  for (int n = 1; n <= kRowCount; ++n) {
    SetHint(Control(Role::kRun, n), FromUtf8(outcome.run_tooltips[n - 1]));
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// The macro path goes to the clipboard through the carrier's selection.
bool FormWindow::PutPathOnClipboard(const RunOutcome&) {
  HWND carrier = Control(Role::kClipboard);
  SetFocus(carrier);
  SendMessageW(carrier, EM_SETSEL, 0, -1);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(carrier, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  std::wstring selected = WindowText(carrier).substr(start, end - start);
  // Another program may hold the clipboard open.
  if (!OpenClipboard(hwnd_)) return false;
  bool put = false;
  if (EmptyClipboard()) {
    size_t bytes = (selected.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      memcpy(GlobalLock(memory), selected.c_str(), bytes);
      GlobalUnlock(memory);
      put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      if (!put) GlobalFree(memory);
    }
  }
  CloseClipboard();
  return put;
}

// The window steps aside for the host program. Keys typed after a restore
// go to the Run! button, never the carrier.
void FormWindow::StepAside(const RunOutcome& outcome) {
  focus_ = Control(Role::kRun, outcome.marked_row);
  SetFocus(focus_);
  ShowWindow(hwnd_, SW_MINIMIZE);
}

// The window stays, with the row's Run! focused once the message is closed.
void FormWindow::ShowUnclipped(const RunOutcome& outcome) {
  focus_ = Control(Role::kRun, outcome.marked_row);
  SetFocus(focus_);
  ShowPathMessage(hwnd_, Widen(kFormCaption), FromUtf8(outcome.message),
                  outcome.macro_file.wstring());
}

COLORREF FormWindow::MarkedColour(const FormControl& design,
                                  COLORREF colour) const {
  bool row_label = design.kind == ControlKind::kLabel && design.row != 0;
  return row_label && design.row == last_run_row_
             ? ResolveColour(kMarkColour, colour)
             : colour;
}

void FormWindow::OpenHelp() {
  const std::filesystem::path page = core_folder_.HelpPage();
  if (!ShellOpen(nullptr, page.wstring().c_str(), nullptr, nullptr)) {
    ShowMessage(kFormCaption, FromUtf8(HelpNotOpenedMessage(PathText(page))),
                MB_ICONWARNING);
  }
}

// Found at start, said once the form shows, which it does all the same.
void FormWindow::TellMissingFolders() {
  if (!missing_folders_) return;
  const std::string missing = *missing_folders_;
  missing_folders_.reset();
  ShowMessage(kFormCaption, FromUtf8(missing), MB_ICONWARNING);
}

void FormWindow::OpenWebSite() {
  std::optional<std::string> address = WebAddressToOpen(maker_.web_address);
  if (!address) {
    ShowMessage(kMissingWebTitle, From1252(kMissingWebText), MB_ICONERROR);
    return;
  }
  ShellOpen(hwnd_, From1252(*address).c_str(), L"", folder_.wstring().c_str());
}

void FormWindow::ShowMessage(const std::string& title, const std::wstring& text,
                             UINT icon) {
  MessageBoxW(hwnd_, text.c_str(), From1252(title).c_str(), MB_OK | icon);
}

namespace {

// Bit 30 of a key message: the key was already down, the keyboard repeats.
bool IsRepeat(const MSG& message) { return (message.lParam >> 30) & 1; }

}  // namespace

bool FormWindow::HandleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND focus = GetFocus();
  switch (message.wParam) {
    case VK_RETURN:
      if (focus == nullptr || !IsButton(focus)) return false;
      // A key held down presses a button once.
      if (!IsRepeat(message)) SendMessageW(focus, BM_CLICK, 0, 0);
      return true;
    case VK_SPACE:
      return focus != nullptr && IsButton(focus) && IsRepeat(message);
    case VK_F1:
      OpenHelp();
      return true;
    case VK_DELETE:
      if (focus == nullptr || !IsList(focus) ||
          SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0)) {
        return false;
      }
      SendMessageW(focus, CB_SETCURSEL, WPARAM(-1), 0);
      typed_.Clear();
      return true;
    default:
      return false;
  }
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
