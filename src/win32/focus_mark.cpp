// The mark around the focused control, as the Qt window shows it: a ring
// over the control's outer pixels in the mark's colour. It is four thin
// windows of its own above the controls, one per side, so the controls' own
// painting never covers it and nothing inside the ring is hidden; the form
// paints them. (One window shaped to the ring left its inside unpainted
// under Wine.)
#include <windows.h>

#include "win32/form_window.h"

namespace vpa {

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
  const Placed* placed = Of(control);
  if (placed != nullptr && IsFocusNote(placed->design.kind, code)) {
    controller_.Focused(NameOf(GetFocus()));
  }
}

// The mark's windows are made when the first focus comes, after the window
// shows. They are the form's only drawn statics (SS_OWNERDRAW).
void FormWindow::MarkFocus(std::string_view control) {
  for (HWND& side : focus_mark_) {
    if (side != nullptr) break;
    side = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | SS_OWNERDRAW, 0, 0,
                           0, 0, hwnd_, nullptr, instance_, nullptr);
  }
  // Hidden first, so the old place is given back at once.
  for (HWND side : focus_mark_) ShowWindow(side, SW_HIDE);
  const Placed* focused = Named(control);
  if (focused == nullptr) return;
  RECT place{};
  GetWindowRect(focused->hwnd, &place);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&place), 2);
  const int ring = FocusMarkWidth(int(dpi_));
  const RECT sides[] = {
      {place.left, place.top, place.right, place.top + ring},
      {place.left, place.bottom - ring, place.right, place.bottom},
      {place.left, place.top + ring, place.left + ring, place.bottom - ring},
      {place.right - ring, place.top + ring, place.right, place.bottom - ring}};
  for (size_t i = 0; i < focus_mark_.size(); ++i) {
    const RECT& side = sides[i];
    SetWindowPos(focus_mark_[i], HWND_TOP, side.left, side.top,
                 side.right - side.left, side.bottom - side.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
}

}  // namespace vpa
