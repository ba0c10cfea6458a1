#include "picture/resample.h"

#include <algorithm>
#include <cmath>

namespace vpa {
namespace {

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

Pixels Resample(const Pixels& from, int width, int height) {
  if (from.width == width && from.height == height) return from;
  const size_t fw = size_t(from.width);
  const size_t fh = size_t(from.height);
  std::vector<float> source(fw * fh * 4);
  for (size_t i = 0; i < fw * fh; ++i) {
    for (int c = 0; c < 4; ++c) {
      source[i * 4 + c] = float((from.argb[i] >> (8 * c)) & 0xFF);
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
  for (size_t i = 0; i < to.argb.size(); ++i) {
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) {
      const long value = std::lround(down[i * 4 + c]);
      pixel |= uint32_t(std::clamp(value, 0L, 255L)) << (8 * c);
    }
    to.argb[i] = pixel;
  }
  return to;
}

}  // namespace vpa
