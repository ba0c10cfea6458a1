// The view's primitives in Win32 controls, each found by its name in the
// form's table. The controller decides; these only do.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>

#include "win32/form_window.h"
#include "win32/path_message.h"
#include "win32/wide_text.h"

namespace vpa {

namespace {

// Typing and Run go on while this shows: the message box has a thread of
// its own and no owner, so it holds up nothing of the form.
void ShowNotice(const std::string& message) {
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
  if (thread != nullptr) {
    CloseHandle(thread);
  } else {
    delete text;
  }
}

}  // namespace

// The one walk over the controls made as windows: by name, by window, and
// by a list's open list, which asks for its colours itself.
const FormWindow::Placed* FormWindow::Find(
    const std::function<bool(const Placed&)>& matches) const {
  for (const Placed& placed : controls_) {
    if (placed.hwnd != nullptr && matches(placed)) return &placed;
  }
  return nullptr;
}

const FormWindow::Placed* FormWindow::Named(std::string_view name) const {
  return Find([&](const Placed& placed) { return placed.design.name == name; });
}

const FormWindow::Placed* FormWindow::Of(HWND control) const {
  return Find([&](const Placed& placed) { return placed.hwnd == control; });
}

HWND FormWindow::Window(std::string_view name) const {
  const Placed* placed = Named(name);
  return placed ? placed->hwnd : nullptr;
}

std::string FormWindow::NameOf(HWND control) const {
  const Placed* placed = Of(control);
  return placed ? placed->design.name : std::string();
}

std::string FormWindow::Text(std::string_view control) const {
  const HWND box = Window(control);
  return box ? To1252(WindowText(box)) : std::string();
}

void FormWindow::SetText(std::string_view control, std::string_view text) {
  if (HWND box = Window(control)) SetWindowTextW(box, From1252(text).c_str());
}

int FormWindow::Index(std::string_view control) const {
  const HWND list = Window(control);
  return list ? int(SendMessageW(list, CB_GETCURSEL, 0, 0)) : -1;
}

void FormWindow::SetIndex(std::string_view control, int index) {
  if (HWND list = Window(control)) {
    SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
  }
}

void FormWindow::Select(std::string_view control, int start, int length) {
  const HWND box = Window(control);
  if (box == nullptr) return;
  SendMessageW(box, EM_SETSEL, WPARAM(start),
               LPARAM(length == kToTheEnd ? -1 : start + length));
  if (length == 0) SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void FormWindow::Focus(std::string_view control) {
  if (HWND named = Window(control)) focus_ = named;
  if (IsWindow(focus_)) SetFocus(focus_);
}

void FormWindow::Press(std::string_view button) {
  if (HWND pressed = Window(button)) SendMessageW(pressed, BM_CLICK, 0, 0);
}

// A box's text turns red when refused; a list keeps its colours.
void FormWindow::ShowReading(std::string_view control, const std::string& hint,
                             bool refused, bool alert) {
  const Placed* placed = Named(control);
  if (placed == nullptr) return;
  const HWND box = placed->hwnd;
  const std::wstring reading = FromUtf8(hint);
  SetHint(box, reading);
  if (placed->design.kind != ControlKind::kTextBox) return;
  std::erase(refused_boxes_, box);
  if (refused) refused_boxes_.push_back(box);
  InvalidateRect(box, nullptr, TRUE);
  if (!alert) return;
  const std::wstring title = FromUtf8(kFormCaption);
  EDITBALLOONTIP tip = {sizeof tip, title.c_str(), reading.c_str(),
                        TTI_WARNING};
  SendMessageW(box, EM_SHOWBALLOONTIP, 0, LPARAM(&tip));
  MessageBeep(MB_ICONWARNING);
}

void FormWindow::SetHint(std::string_view control, const std::string& hint) {
  if (HWND named = Window(control)) SetHint(named, FromUtf8(hint));
}

// The row's label is drawn in the mark's colour as the form paints.
void FormWindow::MarkRow(int) { InvalidateRect(hwnd_, nullptr, FALSE); }

// The box's selection goes to the clipboard; another program may hold the
// clipboard open.
bool FormWindow::CopySelection(std::string_view box) {
  const HWND named = Window(box);
  if (named == nullptr) return false;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(named, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  std::wstring selected = WindowText(named).substr(start, end - start);
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

void FormWindow::Minimise() { ShowWindow(hwnd_, SW_MINIMIZE); }

void FormWindow::Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void FormWindow::ShowMessage(Tone tone, const std::string& title,
                             const std::string& text) {
  switch (tone) {
    case Tone::kWarning:
    case Tone::kError:
      MessageBoxW(
          hwnd_, FromUtf8(text).c_str(), From1252(title).c_str(),
          MB_OK | (tone == Tone::kError ? MB_ICONERROR : MB_ICONWARNING));
      return;
    case Tone::kWithPath:
      return ShowPathMessage(hwnd_, FromUtf8(title), FromUtf8(text),
                             macro_path_);
    case Tone::kNotice:
      return ShowNotice(text);
  }
}

void FormWindow::StartSaveTimer(int ms) {
  SetTimer(hwnd_, kSaveTimer, UINT(ms), nullptr);
}

void FormWindow::StopSaveTimer() { KillTimer(hwnd_, kSaveTimer); }

void FormWindow::ShowPreview(const PreviewDrawing* drawing) {
  preview_.Show(drawing);
  if (drawing != nullptr) {
    spoken_.Describe(preview_.hwnd(), FromUtf8(drawing->description));
  }
}

}  // namespace vpa
