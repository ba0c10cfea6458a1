// The passive part of the form, painted in the table's order (back to
// front): the pictures, then the lines, dots and letters over them.
#include <cmath>

#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {

UINT AlignFlag(Align align) {
  switch (align) {
    case Align::kCentre:
      return DT_CENTER;
    case Align::kRight:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

void DrawTextIn(HDC dc, HFONT font, COLORREF colour, const std::wstring& text,
                RECT place, UINT flags) {
  HGDIOBJ former = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), int(text.size()), &place, flags);
  SelectObject(dc, former);
}

void FormWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, Brush(ResolveColour(kFormBackground, 0)));
  const int pen_width = std::max(1, int(std::lround(dpi_ / 96.0)));
  for (const Placed& placed : controls_) {
    const FormControl& design = placed.design;
    RECT place = PixelRect(design.place);
    switch (design.kind) {
      case ControlKind::kPicture:
        pictures_.Draw(dc, design.picture, place);
        break;
      case ControlKind::kLine:
      case ControlKind::kDot: {
        // A dot's outline is in its text colour too: black, the default.
        HPEN pen =
            CreatePen(PS_SOLID, pen_width, ResolveColour(design.text, 0));
        HGDIOBJ former_pen = SelectObject(dc, pen);
        HGDIOBJ former_brush =
            SelectObject(dc, Brush(ResolveColour(design.background, 0)));
        if (design.kind == ControlKind::kDot) {
          Ellipse(dc, place.left, place.top, place.right, place.bottom);
        } else {
          MoveToEx(dc, place.left, place.top, nullptr);
          LineTo(dc, place.right, place.bottom);
        }
        SelectObject(dc, former_brush);
        SelectObject(dc, former_pen);
        DeleteObject(pen);
        break;
      }
      case ControlKind::kLabel:
        PaintLabel(dc, design, place);
        break;
      default:
        break;
    }
  }
}

void FormWindow::PaintLabel(HDC dc, const FormControl& design, RECT place) {
  if (design.background.source != Colour::Source::kTransparent) {
    FillRect(dc, &place, Brush(ResolveColour(design.background, 0)));
  }
  // A row's number is in the mark's colour while its Run! wrote the macro.
  const bool marked = design.row != 0 && design.row == controller_.marked_row();
  const COLORREF text = ResolveColour(design.text, 0);
  // A label never clips its text: a font a little wider than Arial's
  // must not cut off a letter.
  DrawTextIn(dc, Font(design.points),
             marked ? ResolveColour(kMarkColour, text) : text,
             From1252(design.caption), place,
             AlignFlag(design.align) | DT_SINGLELINE | DT_TOP | DT_NOPREFIX |
                 DT_NOCLIP);
}

}  // namespace vpa
