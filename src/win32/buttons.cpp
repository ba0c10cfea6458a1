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
  const bool coloured = design.background.source == Colour::Source::kRgb;
  if (coloured) {
    FillRect(dc, &face, Brush(ResolveColour(design.background, 0)));
    HBRUSH frame = Brush(ResolveColour(design.text, RGB(255, 255, 255)));
    FrameRect(dc, &face, frame);
  } else {
    DrawFrameControl(dc, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }
  RECT text_place = face;
  if (pressed) OffsetRect(&text_place, 1, 1);
  DrawTextIn(dc, Font(design.points),
             ResolveColour(design.text, GetSysColor(COLOR_BTNTEXT)),
             From1252(design.caption), text_place,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace vpa
