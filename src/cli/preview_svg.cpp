// One element per display item, in the list's order (back to front).
#include "cli/preview_svg.h"

#include <sstream>

#include "units/decimal_text.h"

namespace vpa {
namespace {

constexpr int kStroke = 15;  // a pixel at 96 dpi

std::string Paint(const Colour& colour) {
  if (colour.source != Colour::Source::kRgb) return "none";
  return "rgb(" + std::to_string(colour.red) + "," +
         std::to_string(colour.green) + "," + std::to_string(colour.blue) + ")";
}

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Stroke(const PreviewItem& item) {
  return " stroke=\"" + Paint(item.pen) + "\" stroke-width=\"" +
         std::to_string(kStroke) + "\"" +
         (item.dashed ? " stroke-dasharray=\"60 40\"" : "");
}

std::string AngleData(const PreviewDrawing& drawing, int index) {
  if (index < 0) return "";
  const PreviewAngle& a = drawing.angles[size_t(index)];
  return std::string(" data-end=\"") + (a.right ? "right" : "left") +
         "\" data-face=\"" + (a.near_face ? "near" : "far") + "\" data-h=\"" +
         DecimalText(a.h) + "\" data-top=\"" + DecimalText(a.top) +
         "\" data-bottom=\"" + DecimalText(a.bottom) + "\"";
}

void Write(std::ostream& svg, const PreviewDrawing& drawing,
           const PreviewItem& item) {
  switch (item.kind) {
    case PreviewItem::Kind::kLine:
      svg << "<line x1=\"" << item.x1 << "\" y1=\"" << item.y1 << "\" x2=\""
          << item.x2 << "\" y2=\"" << item.y2 << "\"" << Stroke(item) << "/>\n";
      break;
    case PreviewItem::Kind::kRect:
      svg << "<rect" << AngleData(drawing, item.angle) << " x=\"" << item.x1
          << "\" y=\"" << item.y1 << "\" width=\"" << item.x2 - item.x1
          << "\" height=\"" << item.y2 - item.y1 << "\" fill=\""
          << Paint(item.fill) << "\"" << Stroke(item) << "/>\n";
      break;
    case PreviewItem::Kind::kText: {
      const char* anchor = item.align == Align::kLeft    ? "start"
                           : item.align == Align::kRight ? "end"
                                                         : "middle";
      const int x = item.align == Align::kLeft    ? item.x1
                    : item.align == Align::kRight ? item.x2
                                                  : (item.x1 + item.x2) / 2;
      svg << "<text x=\"" << x << "\" y=\"" << (item.y1 + item.y2) / 2
          << "\" font-family=\"Arial, Helvetica, sans-serif\" "
             "font-weight=\"bold\" font-size=\""
          << int(item.points * 20) << "\" fill=\"" << Paint(item.pen)
          << "\" text-anchor=\"" << anchor
          << "\" dominant-baseline=\"central\">" << Escaped(item.text)
          << "</text>\n";
      break;
    }
  }
}

}  // namespace

std::string PreviewSvg(const PreviewDrawing& drawing) {
  std::ostringstream svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
      << 2 * kPreviewWidth / 15 << "\" height=\"" << 2 * kPreviewHeight / 15
      << "\" viewBox=\"0 0 " << kPreviewWidth << " " << kPreviewHeight
      << "\" data-twips-per-inch=\"" << DecimalText(drawing.twips_per_inch)
      << "\">\n<title>" << Escaped(drawing.description) << "</title>\n";
  for (const PreviewItem& item : drawing.items) Write(svg, drawing, item);
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace vpa
