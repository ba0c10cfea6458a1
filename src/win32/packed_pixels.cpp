#include "win32/packed_pixels.h"

#include <algorithm>
#include <cmath>

namespace vpa {
namespace {

// Larger than any picture of the form at any scale.
constexpr uint32_t kMaxSide = 16384;
constexpr uint32_t kRunBit = 0x80000000u;

uint32_t Read32(std::span<const unsigned char> bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 |
         uint32_t(bytes[at + 2]) << 16 | uint32_t(bytes[at + 3]) << 24;
}

// The source pixels one target pixel covers along one side, and how much
// of each.
struct Tap {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Tap> Taps(int from, int to) {
  std::vector<Tap> taps(static_cast<size_t>(to));
  const double scale = double(from) / to;
  for (int i = 0; i < to; ++i) {
    const double begin = i * scale;
    const double end = (i + 1) * scale;
    Tap& tap = taps[size_t(i)];
    tap.first = std::min(from - 1, int(begin));
    for (int s = tap.first; s < from && s < end; ++s) {
      double part = std::min(end, s + 1.0) - std::max(begin, double(s));
      tap.weights.push_back(float(std::max(part, 0.0) / (end - begin)));
    }
  }
  return taps;
}

// One side at a time, on four floats a pixel: `count` lines, each starting
// `line_step` floats after the last and its pixels `pixel_step` apart, in
// `from` and likewise (`to_...`) in `to`.
void Filter(const std::vector<float>& from, std::vector<float>& to,
            const std::vector<Tap>& taps, int count, size_t line_step,
            size_t pixel_step, size_t to_line_step, size_t to_pixel_step) {
  for (int line = 0; line < count; ++line) {
    for (size_t i = 0; i < taps.size(); ++i) {
      const Tap& tap = taps[i];
      float sum[4] = {};
      for (size_t k = 0; k < tap.weights.size(); ++k) {
        const float* pixel =
            &from[line * line_step + (tap.first + k) * pixel_step];
        for (int c = 0; c < 4; ++c) sum[c] += tap.weights[k] * pixel[c];
      }
      float* target = &to[line * to_line_step + i * to_pixel_step];
      std::copy(sum, sum + 4, target);
    }
  }
}

}  // namespace

std::optional<std::pair<int, int>> PackedSize(
    std::span<const unsigned char> packed) {
  if (packed.size() < 8) return std::nullopt;
  const uint32_t width = Read32(packed, 0);
  const uint32_t height = Read32(packed, 4);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
    return std::nullopt;
  }
  return std::pair{int(width), int(height)};
}

std::optional<Pixels> UnpackPixels(std::span<const unsigned char> packed) {
  const auto size = PackedSize(packed);
  if (!size) return std::nullopt;
  Pixels pixels{size->first, size->second, {}};
  const size_t total = size_t(pixels.width) * size_t(pixels.height);
  pixels.bgra.reserve(total);
  size_t at = 8;
  while (pixels.bgra.size() < total) {
    if (packed.size() - at < 4) return std::nullopt;
    const uint32_t head = Read32(packed, at);
    at += 4;
    const size_t count = head & ~kRunBit;
    const bool run = (head & kRunBit) != 0;
    const size_t bytes = run ? 4 : count * 4;
    if (count == 0 || count > total - pixels.bgra.size() ||
        packed.size() - at < bytes) {
      return std::nullopt;
    }
    for (size_t i = 0; i < count; ++i) {
      pixels.bgra.push_back(Read32(packed, run ? at : at + 4 * i));
    }
    at += bytes;
  }
  if (at != packed.size()) return std::nullopt;
  return pixels;
}

Pixels Resample(const Pixels& from, int width, int height) {
  if (from.width == width && from.height == height) return from;
  const size_t fw = size_t(from.width);
  const size_t fh = size_t(from.height);
  std::vector<float> source(fw * fh * 4);
  for (size_t i = 0; i < fw * fh; ++i) {
    for (int c = 0; c < 4; ++c) {
      source[i * 4 + c] = float((from.bgra[i] >> (8 * c)) & 0xFF);
    }
  }
  // Across each row, then down each column.
  std::vector<float> across(size_t(width) * fh * 4);
  Filter(source, across, Taps(from.width, width), from.height, fw * 4, 4,
         size_t(width) * 4, 4);
  std::vector<float> down(size_t(width) * size_t(height) * 4);
  Filter(across, down, Taps(from.height, height), width, 4, size_t(width) * 4,
         4, size_t(width) * 4);
  Pixels to{width, height, std::vector<uint32_t>(size_t(width) * height)};
  for (size_t i = 0; i < to.bgra.size(); ++i) {
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) {
      const long value = std::lround(down[i * 4 + c]);
      pixel |= uint32_t(std::clamp(value, 0L, 255L)) << (8 * c);
    }
    to.bgra[i] = pixel;
  }
  return to;
}

}  // namespace vpa
