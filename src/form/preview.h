// The preview: a drawing of one row's angles, to scale, made once here as a
// display list in twips of its zone, which each window (and the command
// line's SVG) walks with its own painter and nothing more.
#ifndef VPA_FORM_PREVIEW_H_
#define VPA_FORM_PREVIEW_H_

#include <string>
#include <vector>

#include "form/layout.h"

namespace vpa {

// The preview's zone: where the logo picture is, and its size in twips.
inline constexpr int kPreviewWidth = 3840;
inline constexpr int kPreviewHeight = 2460;

enum class PreviewEnds { kRight, kLeft, kBoth };

// What the drawing needs of a row that a Run would take: its dimensions in
// inches as the macro reads them, the entries as typed (UTF-8), the section
// and the choices.
struct PreviewRow {
  double h = 0;
  double v1 = 0;
  double v2 = 0;
  double l = 0;
  std::string h_text;
  std::string v1_text;
  std::string v2_text;
  std::string l_text;
  std::string section;   // "L4x4x1/2"
  bool long_leg = true;  // the outstanding leg is the long one
  bool pair = true;      // two angles at each end, else one
  PreviewEnds ends = PreviewEnds::kRight;
};

// One angle as the macro places it: at which end and on which face of the
// web, its heel `h` inches in from the end's work point, spanning `top` to
// `bottom` inches below the top of steel.
struct PreviewAngle {
  bool right = true;
  bool near_face = true;
  double h = 0;
  double top = 0;
  double bottom = 0;
};

// The angles of a row in the order the macro adds them: right end before
// left, near face before far.
std::vector<PreviewAngle> PreviewAngles(const PreviewRow& row);

// One thing to draw, in twips from the zone's top-left corner.
struct PreviewItem {
  enum class Kind {
    kLine,  // from (x1, y1) to (x2, y2)
    kRect,  // corners (x1, y1) and (x2, y2), outlined in `pen`, filled
    kText,  // one line in the box (x1, y1)-(x2, y2), placed by `align`
  };
  Kind kind = Kind::kLine;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  Colour pen;
  Colour fill = {Colour::Source::kTransparent};  // a rectangle's inside
  bool dashed = false;
  std::string text;  // UTF-8
  Align align = Align::kLeft;
  double points = 0;  // a text's size, Arial bold
  int angle = -1;     // the outline of PreviewAngles()[angle], or -1
};

struct PreviewDrawing {
  std::vector<PreviewItem> items;  // back to front
  std::vector<PreviewAngle> angles;
  double twips_per_inch = 0;  // the one scale of the whole drawing
  // What a screen reader speaks for the drawing, one sentence an angle.
  std::string description;
};

// The preview of `row`, fitted to the zone.
PreviewDrawing DrawPreview(const PreviewRow& row);

// The two leg sizes and the thickness of a section named as the catalogue
// names it ("L5x3 1/2x5/8"), in inches; all 0 for another name.
struct AngleSize {
  double long_leg = 0;
  double short_leg = 0;
  double thickness = 0;
};
AngleSize SizeOfSection(std::string_view section);

}  // namespace vpa

#endif  // VPA_FORM_PREVIEW_H_
