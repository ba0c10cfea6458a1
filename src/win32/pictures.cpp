// PNG resources through WIC: the larger rendering is scaled to the exact
// pixel size the window's dpi asks for, so the pictures stay crisp at every
// scale and cost no SVG rendering at start.
#include "win32/pictures.h"

#include <windows.h>
#include <shlwapi.h>
#include <wincodec.h>

#include "win32/resources.h"

namespace vpa {
namespace {

template <typename T>
struct Released {
  T* pointer = nullptr;
  ~Released() {
    if (pointer != nullptr) pointer->Release();
  }
  T** operator&() { return &pointer; }
  T* operator->() const { return pointer; }
};

int ResourceFor(std::string_view name, int width) {
  if (name == "diagram") return width > 539 ? IDP_DIAGRAM_2X : IDP_DIAGRAM_1X;
  if (name == "logo") return width > 256 ? IDP_LOGO_2X : IDP_LOGO_1X;
  return 0;
}

IStream* ResourceStream(int id) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = LockResource(loaded);
  if (bytes == nullptr) return nullptr;
  return SHCreateMemStream(static_cast<const BYTE*>(bytes),
                           SizeofResource(nullptr, found));
}

// A top-down 32-bit DIB of premultiplied BGRA, scaled to width x height.
HBITMAP Decode(int id, int width, int height) {
  Released<IStream> stream{ResourceStream(id)};
  Released<IWICImagingFactory> factory;
  Released<IWICBitmapDecoder> decoder;
  Released<IWICBitmapFrameDecode> frame;
  Released<IWICBitmapScaler> scaler;
  Released<IWICFormatConverter> converter;
  if (stream.pointer == nullptr ||
      FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr,
                              CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateDecoderFromStream(
          stream.pointer, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) ||
      FAILED(factory->CreateBitmapScaler(&scaler)) ||
      FAILED(scaler->Initialize(frame.pointer, width, height,
                                WICBitmapInterpolationModeFant)) ||
      FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(
          scaler.pointer, GUID_WICPixelFormat32bppPBGRA,
          WICBitmapDitherTypeNone, nullptr, 0, WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  UINT stride = UINT(width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * UINT(height),
                                   static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
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
    scaled = {width, height, Decode(ResourceFor(name, width), width, height)};
  }
  if (scaled.bitmap == nullptr) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ former = SelectObject(source, scaled.bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, place.left, place.top, width, height, source, 0, 0, width,
             height, blend);
  SelectObject(source, former);
  DeleteDC(source);
}

}  // namespace vpa
