// Tokens: (count << 1) and the pixel it repeats, or (count << 1 | 1) and
// that many pixels; no run crosses a row. Damaged data leaves the rest of
// the picture transparent rather than reading past its end.
#include "app/packed_picture.h"

#include <algorithm>
#include <cstring>

namespace vpa {
namespace {

// Unpacks one row from `words` into `row`; returns the words left.
std::span<const uint32_t> UnpackRow(std::span<const uint32_t> words,
                                    uint32_t* row, int width) {
  int x = 0;
  while (x < width && !words.empty()) {
    const uint32_t token = words.front();
    const size_t count = std::min<size_t>(token >> 1, size_t(width - x));
    words = words.subspan(1);
    if ((token & 1) != 0) {
      const size_t given = std::min(count, words.size());
      std::memcpy(row + x, words.data(), given * sizeof(uint32_t));
      words = words.subspan(given);
      x += int(given);
      if (given < count) break;
    } else if (!words.empty()) {
      std::fill_n(row + x, count, words.front());
      words = words.subspan(1);
      x += int(count);
    }
  }
  std::fill(row + x, row + width, 0u);
  return words;
}

}  // namespace

const PackedPicture* FindPicture(std::string_view name) {
  for (const PackedPicture& picture : PackedPictures()) {
    if (picture.name == name) return &picture;
  }
  return nullptr;
}

void UnpackStrips(
    const PackedPicture& picture, int strip_rows,
    const std::function<void(const QImage& strip, int top)>& paint) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const QImage::Format format = picture.opaque
                                    ? QImage::Format_RGB32
                                    : QImage::Format_ARGB32_Premultiplied;
  QImage strip(picture.width, std::clamp(strip_rows, 1, picture.height),
               format);
  std::span<const uint32_t> words = picture.words;
  for (int top = 0; top < picture.height; top += strip.height()) {
    const int rows = std::min(strip.height(), picture.height - top);
    for (int y = 0; y < rows; ++y) {
      words = UnpackRow(words, reinterpret_cast<uint32_t*>(strip.scanLine(y)),
                        picture.width);
    }
    paint(
        rows == strip.height() ? strip : strip.copy(0, 0, strip.width(), rows),
        top);
  }
}

QImage Unpack(const PackedPicture& picture) {
  QImage whole;
  UnpackStrips(picture, picture.height,
               [&whole](const QImage& strip, int) { whole = strip; });
  return whole;
}

}  // namespace vpa
