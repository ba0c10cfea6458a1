// The preview's display list as an SVG picture, for vpa-macro preview.
#ifndef VPA_CLI_PREVIEW_SVG_H_
#define VPA_CLI_PREVIEW_SVG_H_

#include <string>

#include "form/preview.h"

namespace vpa {

// The drawing in twips as the SVG's user units, shown at twice its size at
// 96 dpi. Each angle's outline is one rectangle that carries data-end,
// data-face, data-h, data-top and data-bottom in inches; the root carries
// the scale as data-twips-per-inch.
std::string PreviewSvg(const PreviewDrawing& drawing);

}  // namespace vpa

#endif  // VPA_CLI_PREVIEW_SVG_H_
