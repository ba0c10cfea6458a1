// The form's buttons are drawn here: the web button in the form's slate
// with white text, the others as the system's push buttons. The focused
// one wears the form's focus mark, as every control does (focus_mark.cpp).
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {

void FormWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  const Placed* placed = Of(item.hwndItem);
  if (placed == nullptr) return;
  const FormControl& design = placed->design;
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  if (design.background.source == Colour::Source::kRgb) {
    FillRect(dc, &face, Brush(ResolveColour(design.background, 0)));
    FrameRect(dc, &face, Brush(ResolveColour(design.text, RGB(255, 255, 255))));
  } else {
    DrawFrameControl(dc, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }
  if (pressed) OffsetRect(&face, 1, 1);  // the legend moves with the face
  DrawTextIn(dc, Font(design.points),
             ResolveColour(design.text, GetSysColor(COLOR_BTNTEXT)),
             From1252(design.caption), face,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace vpa
