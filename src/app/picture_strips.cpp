// Opaque pictures become RGB32 images, which Qt draws without blending.
#include "app/picture_strips.h"

#include <algorithm>
#include <span>

namespace vpa {

void UnpackStrips(
    const PackedPicture& picture, int strip_rows,
    const std::function<void(const QImage& strip, int top)>& paint) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const QImage::Format format = picture.opaque
                                    ? QImage::Format_RGB32
                                    : QImage::Format_ARGB32_Premultiplied;
  QImage strip(picture.width, std::clamp(strip_rows, 1, picture.height),
               format);
  RowReader reader(picture);
  for (int top = 0; top < picture.height; top += strip.height()) {
    const int rows = std::min(strip.height(), picture.height - top);
    for (int y = 0; y < rows; ++y) {
      reader.Next({reinterpret_cast<uint32_t*>(strip.scanLine(y)),
                   size_t(picture.width)});
    }
    paint(
        rows == strip.height() ? strip : strip.copy(0, 0, strip.width(), rows),
        top);
  }
}

QImage UnpackImage(const PackedPicture& picture) {
  QImage whole;
  UnpackStrips(picture, picture.height,
               [&whole](const QImage& strip, int) { whole = strip; });
  return whole;
}

}  // namespace vpa
