// Pictures rendered at build time at the sizes of 100, 125, 150 and 200 %
// and packed into the program (src/picture): the window draws the rendering
// of its own size as it is, and shrinks the next larger one for any other
// scale. No codec is loaded, so the pictures cost the start almost nothing.
#include "win32/pictures.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

#include "picture/packed_picture.h"
#include "picture/resample.h"

namespace vpa {
namespace {

// A top-down 32-bit DIB of the picture at width x height.
HBITMAP Bitmap(std::string_view name, int width, int height) {
  const PackedPicture* packed = FindPicture(name, width);
  if (packed == nullptr) return nullptr;
  std::optional<Pixels> pixels = Unpack(*packed);
  if (!pixels) return nullptr;
  if (pixels->width != width || pixels->height != height) {
    *pixels = Resample(*pixels, width, height);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  std::memcpy(bits, pixels->argb.data(), pixels->argb.size() * 4);
  return bitmap;
}

}  // namespace

Pictures::~Pictures() {
  for (auto& [name, scaled] : scaled_) {
    if (scaled.bitmap != nullptr) DeleteObject(scaled.bitmap);
  }
}

void Pictures::Draw(HDC dc, std::string_view name, const RECT& place) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0) return;
  Scaled& scaled = scaled_[std::string(name)];
  if (scaled.width != width || scaled.height != height) {
    if (scaled.bitmap != nullptr) DeleteObject(scaled.bitmap);
    scaled = {width, height, Bitmap(name, width, height)};
  }
  if (scaled.bitmap == nullptr) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ former = SelectObject(source, scaled.bitmap);
  // GDI's own blend: msimg32's AlphaBlend would be one more library at start.
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, place.left, place.top, width, height, source, 0, 0, width,
                height, blend);
  SelectObject(source, former);
  DeleteDC(source);
}

}  // namespace vpa
