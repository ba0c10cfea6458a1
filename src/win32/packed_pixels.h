// The window's pictures as packed at build time (cmake/pack_picture.py):
// premultiplied BGRA pixels, run-length coded, unpacked without any codec
// and brought to the exact size a dpi asks for.
#ifndef VPA_WIN32_PACKED_PIXELS_H_
#define VPA_WIN32_PACKED_PIXELS_H_

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vpa {

// Top-down rows of premultiplied pixels, 0xAARRGGBB as a 32-bit DIB holds
// them.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> bgra;
};

// The width and height a packing starts with, or nullopt for too few bytes.
std::optional<std::pair<int, int>> PackedSize(
    std::span<const unsigned char> packed);

// The pixels of `packed`, or nullopt when it is cut short, runs past its
// size or carries bytes beyond it.
std::optional<Pixels> UnpackPixels(std::span<const unsigned char> packed);

// `from` at `width` x `height`: every pixel averages the part of `from` it
// covers, so a picture shrunk from a larger rendering keeps its lines.
Pixels Resample(const Pixels& from, int width, int height);

}  // namespace vpa

#endif  // VPA_WIN32_PACKED_PIXELS_H_
