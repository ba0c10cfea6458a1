// Pictures rendered at build time at the sizes of 100, 125, 150 and 200 %
// and packed as raw pixels: the window draws the rendering of its own size
// as it is, and shrinks the next larger one for any other scale. No codec
// is loaded, so the pictures cost the start almost nothing.
#include "win32/pictures.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "win32/packed_pixels.h"

namespace vpa {
namespace {

// More than any picture has.
constexpr int kMaxRenderings = 10;

// The picture's `number`th rendering, named as vpa.rc names it: "DIAGRAM1"
// for the smallest of "diagram".
std::span<const unsigned char> Resource(std::string_view name, int number) {
  std::wstring resource;
  for (char c : name) resource += wchar_t(c >= 'a' && c <= 'z' ? c - 32 : c);
  resource += std::to_wstring(number);
  HRSRC found = FindResourceW(nullptr, resource.c_str(), RT_RCDATA);
  if (found == nullptr) return {};
  const void* bytes = LockResource(LoadResource(nullptr, found));
  if (bytes == nullptr) return {};
  return {static_cast<const unsigned char*>(bytes),
          SizeofResource(nullptr, found)};
}

// The rendering of exactly `width`, else the smallest larger one, else the
// largest; the renderings follow each other from the smallest.
std::span<const unsigned char> Rendering(std::string_view name, int width) {
  std::span<const unsigned char> chosen;
  for (int number = 1; number <= kMaxRenderings; ++number) {
    std::span<const unsigned char> packed = Resource(name, number);
    std::optional<std::pair<int, int>> size = PackedSize(packed);
    if (!size) break;
    chosen = packed;
    if (size->first >= width) break;
  }
  return chosen;
}

// A top-down 32-bit DIB of the picture at width x height.
HBITMAP Bitmap(std::string_view name, int width, int height) {
  std::optional<Pixels> pixels = UnpackPixels(Rendering(name, width));
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
  std::memcpy(bits, pixels->bgra.data(), pixels->bgra.size() * 4);
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
  auto found = scaled_.find(name);
  if (found == scaled_.end()) {
    found = scaled_.emplace(std::string(name), Scaled{}).first;
  }
  Scaled& scaled = found->second;
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
