// The mark around the focused control, as the Qt window shows it: a ring
// over the control's outer pixels in the mark's colour. It is a window of
// its own above the controls, shaped to the ring, so the controls' own
// painting never covers it; the form paints it.
#include <windows.h>

#include "win32/form_window.h"

namespace vpa {

void FormWindow::MakeFocusMark() {
  focus_mark_ = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | SS_OWNERDRAW,
                                0, 0, 0, 0, hwnd_, nullptr, instance_, nullptr);
}

namespace {

bool IsFocusNote(ControlKind kind, int code) {
  switch (kind) {
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineText:
      return code == EN_SETFOCUS || code == EN_KILLFOCUS;
    case ControlKind::kList:
      return code == CBN_SETFOCUS || code == CBN_KILLFOCUS;
    case ControlKind::kButton:
      return code == BN_SETFOCUS || code == BN_KILLFOCUS;
    default:
      return false;
  }
}

}  // namespace

void FormWindow::FollowFocus(HWND control, int code) {
  for (const Placed& placed : controls_) {
    if (placed.hwnd == control && IsFocusNote(placed.design.kind, code)) {
      MarkFocus();
    }
  }
}

// Only controls inside the client area get the mark; the carrier below it
// never shows one, nor does a message box or the form itself.
void FormWindow::MarkFocus() {
  const HWND focused = GetFocus();
  bool ours = false;
  for (const Placed& placed : controls_) {
    ours = ours || (focused != nullptr && placed.hwnd == focused);
  }
  RECT place{};
  RECT client;
  GetClientRect(hwnd_, &client);
  if (ours) {
    GetWindowRect(focused, &place);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&place), 2);
  }
  RECT inside;
  if (!ours || !IntersectRect(&inside, &place, &client) ||
      !EqualRect(&inside, &place)) {
    ShowWindow(focus_mark_, SW_HIDE);
    return;
  }
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  const int ring = FocusMarkWidth(int(dpi_));
  HRGN shape = CreateRectRgn(0, 0, width, height);
  HRGN hole = CreateRectRgn(ring, ring, width - ring, height - ring);
  CombineRgn(shape, shape, hole, RGN_DIFF);
  DeleteObject(hole);
  // Hidden while it changes, so the old place is given back at once.
  ShowWindow(focus_mark_, SW_HIDE);
  SetWindowRgn(focus_mark_, shape, FALSE);  // the system owns it now
  SetWindowPos(focus_mark_, HWND_TOP, place.left, place.top, width, height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void FormWindow::DrawFocusMark(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, Brush(ResolveColour(kFocusMarkColour, 0)));
}

}  // namespace vpa
