// The preview is laid out left to right: for each end the row adds angles
// to, an elevation seen from the near side (the left end first, the beam
// broken between the two), then a section across the web seen from the
// right, near face on its left. Lengths in inches take the one scale;
// texts, gaps and dimension lines take fixed twips.
#include "form/preview.h"

#include <algorithm>
#include <cmath>

#include "catalogue/angle_catalogue.h"
#include "units/decimal_text.h"
#include "units/dimension.h"

namespace vpa {
namespace {

constexpr Colour kPaper = Rgb(248, 250, 252);
constexpr Colour kSteel = Rgb(64, 84, 104);
constexpr Colour kAngleFill = Rgb(255, 255, 192);
constexpr Colour kDimension = Rgb(0, 110, 150);

constexpr double kTextPoints = 7;
constexpr int kLineHeight = 170;  // a text line of kTextPoints
constexpr int kMargin = 60;
constexpr int kTitleBottom = 260;
constexpr int kHDimRoom = 300;  // above the highest steel: H and its text
constexpr int kDimStep = 110;   // between the end and each V column
constexpr int kTextGap = 40;
constexpr int kStub = 180;  // the beam beyond the angles, to its break
constexpr int kGap = 120;
constexpr int kTick = 50;
constexpr int kSectionLabel = 280;  // room for "near" or "far" under a side
constexpr double kWebInches = 0.5;  // the web's thickness is the beam's
constexpr int kThinnest = 15;       // a pixel at 96 dpi

// Twips a text of kTextPoints takes, as Arial bold is on average.
int TextWidth(const std::string& text) {
  return int(std::lround(double(text.size()) * kTextPoints * 20 * 0.56));
}

int Round(double twips) { return int(std::lround(twips)); }

// An entry as its label shows it: a long one (a spreadsheet's 15 digits,
// leading zeros) is cut with an ellipsis, so its label never shrinks the
// drawing.
constexpr size_t kLabelCharacters = 11;  // "10-11 15/16"
std::string Clipped(const std::string& text) {
  size_t characters = 0;
  size_t cut = 0;  // where the ellipsis goes if the text is too long
  for (size_t at = 0; at < text.size(); ++at) {
    if ((text[at] & 0xC0) == 0x80) continue;  // inside a UTF-8 sequence
    if (++characters == kLabelCharacters) cut = at;
    if (characters > kLabelCharacters) return text.substr(0, cut) + "\u2026";
  }
  return text;
}

class Canvas {
 public:
  explicit Canvas(std::vector<PreviewItem>& items) : items_(items) {}

  void Line(int x1, int y1, int x2, int y2, Colour pen, bool dashed = false) {
    PreviewItem item;
    item.x1 = x1, item.y1 = y1, item.x2 = x2, item.y2 = y2;
    item.pen = pen;
    item.dashed = dashed;
    items_.push_back(item);
  }
  PreviewItem& Rect(int x1, int y1, int x2, int y2, Colour pen, Colour fill,
                    bool dashed = false) {
    // Never narrower than a pixel, so a thin leg still shows; its height
    // stays at the drawing's scale, for it tells the angle's length.
    if (x2 - x1 < kThinnest) x2 = x1 + kThinnest;
    Line(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
         pen, dashed);
    items_.back().kind = PreviewItem::Kind::kRect;
    items_.back().fill = fill;
    return items_.back();
  }
  void Text(int x, int y_centre, const std::string& text, Align align,
            double points = kTextPoints) {
    const int width = TextWidth(text);
    const int left = align == Align::kLeft    ? x
                     : align == Align::kRight ? x - width
                                              : x - width / 2;
    PreviewItem item;
    item.kind = PreviewItem::Kind::kText;
    item.x1 = left, item.x2 = left + width;
    item.y1 = y_centre - kLineHeight / 2, item.y2 = y_centre + kLineHeight / 2;
    item.pen = kNavy;
    item.text = text;
    item.align = align;
    item.points = points;
    items_.push_back(item);
  }
  // A dimension line with ticks at both ends.
  void VerticalDimension(int x, int y1, int y2) {
    Line(x, y1, x, y2, kDimension);
    Line(x - kTick, y1, x + kTick, y1, kDimension);
    Line(x - kTick, y2, x + kTick, y2, kDimension);
  }
  void HorizontalDimension(int y, int x1, int x2) {
    Line(x1, y, x2, y, kDimension);
    Line(x1, y - kTick, x1, y + kTick, kDimension);
    Line(x2, y - kTick, x2, y + kTick, kDimension);
  }
  // A break mark across the top of steel: the beam goes on.
  void Break(int x, int y) {
    const int w = 40;
    Line(x, y - 90, x, y - 30, kSteel);
    Line(x, y - 30, x - w, y, kSteel);
    Line(x - w, y, x + w, y + 40, kSteel);
    Line(x + w, y + 40, x, y + 70, kSteel);
    Line(x, y + 70, x, y + 160, kSteel);
  }

 private:
  std::vector<PreviewItem>& items_;
};

// A text wanted at a height; a column of them is spread so none overlaps.
struct Label {
  double want;
  std::string text;
};

void PlaceColumn(Canvas& canvas, std::vector<Label> labels, int x, Align align,
                 int top, int bottom) {
  std::sort(labels.begin(), labels.end(),
            [](const Label& a, const Label& b) { return a.want < b.want; });
  std::vector<double> y;
  for (const Label& label : labels) {
    double at = std::max(label.want, double(top + kLineHeight / 2));
    if (!y.empty()) at = std::max(at, y.back() + kLineHeight);
    y.push_back(at);
  }
  // Pushed past the bottom, the column moves up as a whole.
  const double over = y.empty() ? 0 : y.back() - (bottom - kLineHeight / 2);
  for (size_t i = 0; i < labels.size(); ++i) {
    canvas.Text(x, Round(y[i] - std::max(0.0, over)), labels[i].text, align);
  }
}

std::string Inches(double value) { return DecimalText(value) + " in"; }

// The leg that lies flat on the web and the one that stands out from it.
struct Legs {
  double flat = 0;
  double out = 0;
  double thickness = 0;
};

Legs LegsOf(const PreviewRow& row) {
  const AngleSize size = SizeOfSection(row.section);
  if (row.long_leg) return {size.short_leg, size.long_leg, size.thickness};
  return {size.long_leg, size.short_leg, size.thickness};
}

class Layout {
 public:
  explicit Layout(const PreviewRow& row, PreviewDrawing& drawing)
      : row_(row),
        drawing_(drawing),
        canvas_(drawing.items),
        legs_(LegsOf(row)) {}

  void Draw() {
    FitScale();
    canvas_.Rect(0, 0, kPreviewWidth - 1, kPreviewHeight - 1, kSteel, kPaper);
    canvas_.Text(kMargin, kMargin + kLineHeight / 2, Title(), Align::kLeft,
                 7.5);
    canvas_.Text(kPreviewWidth - kMargin, kMargin + kLineHeight / 2,
                 std::string(EndName()), Align::kRight, 7.5);
    int x = (kPreviewWidth - Round(fixed_ + inches_ * scale_)) / 2;
    const bool both = row_.ends == PreviewEnds::kBoth;
    if (row_.ends != PreviewEnds::kRight) x = Panel(false, x) + kGap;
    if (both) x += kGap;
    if (row_.ends != PreviewEnds::kLeft) x = Panel(true, x) + kGap;
    Section(x);
  }

 private:
  // Depths below the top of steel, shallowest and deepest, over the angles.
  double Shallowest() const {
    double top = 0;
    for (const PreviewAngle& a : drawing_.angles) top = std::min(top, a.top);
    return top;
  }
  double Deepest() const {
    double bottom = 0;
    for (const PreviewAngle& a : drawing_.angles)
      bottom = std::max(bottom, a.bottom);
    return bottom;
  }
  int Y(double depth) const { return top_steel_ + Round((depth)*scale_); }
  // With both ends drawn, the left end's dimensions are the right end's:
  // their texts are written once, at the right end.
  bool Valued(bool right) const {
    return right || row_.ends != PreviewEnds::kBoth;
  }
  // The texts beside the dimensions, with the gap before them.
  int TextColumnWidth(bool valued) const {
    if (!valued) return 0;
    int width = 0;
    for (const std::string& text :
         {VText(true), row_.pair ? VText(false) : "", LText(), HText()})
      width = std::max(width, TextWidth(text));
    return kTextGap + width;
  }
  // The dimension columns outside the end, their ticks included.
  int DimensionsWidth() const { return kDimStep * (row_.pair ? 2 : 1) + kTick; }
  int PanelFixed(bool right) const {
    return DimensionsWidth() + TextColumnWidth(Valued(right)) + kStub;
  }
  double PanelInches() const {
    return std::max(0.0, -row_.h) + std::max(0.0, row_.h + legs_.flat);
  }
  double SectionInches() const { return 2 * legs_.out + kWebInches; }
  // Each side of the section is as wide as its leg, or its label.
  int SectionSide() const {
    return std::max(Round(legs_.out * scale_), kSectionLabel);
  }

  void FitScale() {
    const int panels = row_.ends == PreviewEnds::kBoth ? 2 : 1;
    fixed_ = panels * kGap + (panels - 1) * kGap +
             (row_.ends == PreviewEnds::kRight ? 0 : PanelFixed(false)) +
             (row_.ends == PreviewEnds::kLeft ? 0 : PanelFixed(true)) +
             2 * kSectionLabel;
    inches_ = panels * PanelInches() + SectionInches();
    const double across = (kPreviewWidth - 2 * kMargin - fixed_) / inches_;
    const double depth = Deepest() - Shallowest();
    const int room =
        kPreviewHeight - kMargin - kTitleBottom - kHDimRoom - 80 - kLineHeight;
    const double down = depth > 0 ? room / depth : across;
    scale_ = std::max(1e-12, std::min(across, down));
    // A drawing narrower than its room stands in the middle of it.
    const double spare = depth > 0 ? room - depth * scale_ : 0;
    top_steel_ = kTitleBottom + kHDimRoom - Round(Shallowest() * scale_) +
                 Round(spare / 2);
    drawing_.twips_per_inch = scale_;
  }

  std::string Title() const {
    return row_.section + ", " + (row_.long_leg ? "Long" : "Short") +
           " leg out";
  }
  std::string_view EndName() const {
    switch (row_.ends) {
      case PreviewEnds::kRight:
        return kRightEnd;
      case PreviewEnds::kLeft:
        return kLeftEnd;
      default:
        return kBothEnds;
    }
  }
  std::string VText(bool near) const {
    return near ? "V1 " + Clipped(row_.v1_text) : "V2 " + Clipped(row_.v2_text);
  }
  std::string LText() const { return "L " + Clipped(row_.l_text); }
  std::string HText() const { return "H " + Clipped(row_.h_text); }

  // One end's elevation from `left`; returns its right edge. The outward
  // side holds the dimension columns and their texts.
  int Panel(bool right, int left) {
    const int out = right ? 1 : -1;  // from the end, away from the beam
    const int beyond = Round(std::max(0.0, -row_.h) * scale_);
    const int inside = Round(std::max(0.0, row_.h + legs_.flat) * scale_);
    const int outside =
        beyond + DimensionsWidth() + TextColumnWidth(Valued(right));
    const int end = right ? left + kStub + inside : left + outside;
    const int beam_end = end - out * (inside + kStub);
    // The top of steel, the end's work line, and the break.
    canvas_.Line(end, top_steel_, beam_end, top_steel_, kSteel);
    canvas_.Line(end, top_steel_ - 60, end, Y(Deepest()) + 80, kSteel);
    canvas_.Break(beam_end, top_steel_);
    std::vector<Label> labels;
    for (size_t i = 0; i < drawing_.angles.size(); ++i) {
      const PreviewAngle& a = drawing_.angles[i];
      if (a.right != right) continue;
      Elevation(int(i), end - out * Round(a.h * scale_), out);
      const int column =
          end + out * (beyond + kDimStep * (a.near_face ? 1 : 2));
      canvas_.VerticalDimension(column, top_steel_, Y(a.top));
      canvas_.VerticalDimension(column, Y(a.top), Y(a.bottom));
      if (!Valued(right)) continue;
      labels.push_back({(top_steel_ + Y(a.top)) / 2.0, VText(a.near_face)});
      if (a.near_face)
        labels.push_back({(Y(a.top) + Y(a.bottom)) / 2.0, LText()});
    }
    const int text_x = end + out * (beyond + DimensionsWidth() + kTextGap);
    PlaceColumn(canvas_, labels, text_x, right ? Align::kLeft : Align::kRight,
                Y(Shallowest()) - 100, kPreviewHeight - kMargin);
    HDimension(right, end, end - out * Round(row_.h * scale_));
    return right ? end + outside : end + inside + kStub;
  }

  // Angle `i` seen from the near side: its outline from the heel towards
  // mid-span, and the outstanding leg on its edge at the heel.
  void Elevation(int i, int heel_x, int out) {
    const PreviewAngle& a = drawing_.angles[size_t(i)];
    const int toe_x = heel_x - out * Round(legs_.flat * scale_);
    const Colour fill =
        a.near_face ? kAngleFill : Colour{Colour::Source::kTransparent};
    canvas_
        .Rect(std::min(heel_x, toe_x), Y(a.top), std::max(heel_x, toe_x),
              Y(a.bottom), kNavy, fill, !a.near_face)
        .angle = i;
    const int edge =
        heel_x - out * std::max(kThinnest, Round(legs_.thickness * scale_));
    canvas_.Line(edge, Y(a.top), edge, Y(a.bottom), kNavy, !a.near_face);
  }

  // H above the highest steel; its text runs outward from the dimension's
  // inner end, away from the other end's, and is written once.
  void HDimension(bool right, int end, int heel_x) {
    const int h_line = Y(Shallowest()) - 110;
    canvas_.HorizontalDimension(h_line, end, heel_x);
    if (!Valued(right)) return;
    canvas_.Text(right ? std::min(end, heel_x) : std::max(end, heel_x),
                 h_line - kLineHeight / 2 - kTick, HText(),
                 right ? Align::kLeft : Align::kRight);
  }

  // The section across the web at the angles, seen from the right end:
  // near face on the left, each angle's outstanding leg at its real size.
  void Section(int left) {
    const int web = std::max(2 * kThinnest, Round(kWebInches * scale_));
    const int out = Round(legs_.out * scale_);
    const int thick = std::max(kThinnest, Round(legs_.thickness * scale_));
    const int web_left = left + SectionSide();
    const int web_right = web_left + web;
    const int bottom = Y(Deepest());
    canvas_.Line(web_left - SectionSide(), top_steel_,
                 web_right + SectionSide(), top_steel_, kSteel);
    canvas_.Rect(web_left, top_steel_, web_right, bottom + 80, kSteel, kSteel);
    for (const PreviewAngle& a : drawing_.angles) {
      if (a.right != (row_.ends != PreviewEnds::kLeft)) continue;
      const int face = a.near_face ? web_left : web_right;
      const int toe = a.near_face ? face - out : face + out;
      const Colour none{Colour::Source::kTransparent};
      canvas_.Rect(std::min(face, toe), Y(a.top), std::max(face, toe),
                   Y(a.bottom), kNavy, a.near_face ? kAngleFill : none,
                   !a.near_face);
      const int cut = a.near_face ? face - thick : face + thick;
      canvas_.Rect(std::min(face, cut), Y(a.top), std::max(face, cut),
                   Y(a.bottom), kNavy, kNavy, !a.near_face);
    }
    const int under = bottom + 80 + kLineHeight / 2;
    canvas_.Text(web_left - 20, under, "near", Align::kRight, 6);
    if (row_.pair) canvas_.Text(web_right + 20, under, "far", Align::kLeft, 6);
  }

  const PreviewRow& row_;
  PreviewDrawing& drawing_;
  Canvas canvas_;
  Legs legs_;
  double scale_ = 1;
  double fixed_ = 0;
  double inches_ = 0;
  int top_steel_ = 0;
};

std::string Sentence(const PreviewAngle& a, bool long_leg) {
  return std::string(a.right ? "Right" : "Left") + " end, " +
         (a.near_face ? "near" : "far") + " face: angle " + Inches(a.h) +
         " from the end, " + Inches(a.top) + " to " + Inches(a.bottom) +
         " below the top of steel, " + (long_leg ? "long" : "short") +
         " leg out.";
}

// A leg or thickness as the catalogue writes it: "3", "3 1/2", "5/8".
double Size(std::string_view text) { return ParseInches(text); }

}  // namespace

std::vector<PreviewAngle> PreviewAngles(const PreviewRow& row) {
  std::vector<PreviewAngle> angles;
  for (bool right : {true, false}) {
    if (row.ends == (right ? PreviewEnds::kLeft : PreviewEnds::kRight)) {
      continue;
    }
    angles.push_back({right, true, row.h, row.v1, row.v1 + row.l});
    if (row.pair)
      angles.push_back({right, false, row.h, row.v2, row.v2 + row.l});
  }
  return angles;
}

AngleSize SizeOfSection(std::string_view section) {
  if (section.size() < 2 || section[0] != 'L') return {};
  section.remove_prefix(1);
  const size_t first = section.find('x');
  const size_t second = section.find('x', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) {
    return {};
  }
  const double a = Size(section.substr(0, first));
  const double b = Size(section.substr(first + 1, second - first - 1));
  return {std::max(a, b), std::min(a, b), Size(section.substr(second + 1))};
}

PreviewDrawing DrawPreview(const PreviewRow& row) {
  PreviewDrawing drawing;
  drawing.angles = PreviewAngles(row);
  Layout(row, drawing).Draw();
  drawing.description = row.section + ".";
  for (const PreviewAngle& angle : drawing.angles) {
    drawing.description += " " + Sentence(angle, row.long_leg);
  }
  return drawing;
}

}  // namespace vpa
