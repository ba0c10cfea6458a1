#include "picture/resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vpa {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kClear = 0x00000000;

Pixels Filled(int width, int height, uint32_t pixel) {
  return {width, height, std::vector<uint32_t>(size_t(width) * height, pixel)};
}

TEST(Resample, KeepsAFlatColourAtAnySize) {
  for (auto [width, height] : {std::pair{6, 4}, {4, 3}, {9, 7}, {1, 1}}) {
    Pixels scaled = Resample(Filled(8, 6, 0x80402010), width, height);
    ASSERT_EQ(scaled.argb.size(), size_t(width * height));
    for (uint32_t pixel : scaled.argb) EXPECT_EQ(pixel, 0x80402010u);
  }
}

TEST(Resample, AveragesTheAreaEachPixelCovers) {
  // Four columns, red and clear in pairs, halved: one red, one clear.
  Pixels from{4, 1, {kRed, kRed, kClear, kClear}};
  EXPECT_EQ(Resample(from, 2, 1).argb, (std::vector<uint32_t>{kRed, kClear}));
  // Alternating columns shrunk to one pixel: half of red, premultiplied.
  Pixels stripes{2, 2, {kRed, kClear, kRed, kClear}};
  EXPECT_EQ(Resample(stripes, 1, 1).argb, std::vector<uint32_t>{0x80800000});
  // Three to two: the middle column is shared by both.
  Pixels thirds{3, 1, {kRed, kBlue, kRed}};
  EXPECT_EQ(Resample(thirds, 2, 1).argb,
            (std::vector<uint32_t>{0xFFAA0055, 0xFFAA0055}));
}

}  // namespace
}  // namespace vpa
