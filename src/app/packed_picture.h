// The window's pictures, compiled in as run-length coded pixels (made at
// build time by vpa_pack_pictures from the pictures rendered from the SVGs).
// They are unpacked a strip at a time as they are painted, so a picture
// never lies in memory whole.
#ifndef VPA_APP_PACKED_PICTURE_H_
#define VPA_APP_PACKED_PICTURE_H_

#include <QImage>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace vpa {

struct PackedPicture {
  std::string_view name;  // the rendered file's name: "diagram@2x", "icon-16"
  int width;
  int height;
  bool opaque;  // RGB32 when true, else premultiplied ARGB32
  std::span<const uint32_t> words;
};

// Every packed picture (the generated source defines it).
std::span<const PackedPicture> PackedPictures();

// The picture of that name, or null.
const PackedPicture* FindPicture(std::string_view name);

// Unpacks `picture` in strips of up to `strip_rows` rows, top to bottom,
// handing each to `paint` with the picture row it starts at. The strip's
// pixels are reused for the next strip.
void UnpackStrips(
    const PackedPicture& picture, int strip_rows,
    const std::function<void(const QImage& strip, int top)>& paint);

// The whole picture as one image.
QImage Unpack(const PackedPicture& picture);

}  // namespace vpa

#endif  // VPA_APP_PACKED_PICTURE_H_
