#include "win32/packed_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vpa {
namespace {

void Put32(std::vector<unsigned char>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes.push_back(static_cast<unsigned char>(value >> shift));
  }
}

// A packing of `width` x `height` from chunks: {count, run?, pixels...}.
struct Chunk {
  uint32_t count;
  bool run;
  std::vector<uint32_t> pixels;
};

std::vector<unsigned char> Packed(uint32_t width, uint32_t height,
                                  const std::vector<Chunk>& chunks) {
  std::vector<unsigned char> bytes;
  Put32(bytes, width);
  Put32(bytes, height);
  for (const Chunk& chunk : chunks) {
    Put32(bytes, chunk.count | (chunk.run ? 0x80000000u : 0));
    for (uint32_t pixel : chunk.pixels) Put32(bytes, pixel);
  }
  return bytes;
}

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kClear = 0x00000000;

TEST(UnpackPixels, RunsAndLiteralsFillTheRowsInOrder) {
  auto pixels = UnpackPixels(
      Packed(3, 2, {{4, true, {kRed}}, {2, false, {kBlue, kClear}}}));
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 3);
  EXPECT_EQ(pixels->height, 2);
  EXPECT_EQ(pixels->bgra,
            (std::vector<uint32_t>{kRed, kRed, kRed, kRed, kBlue, kClear}));
}

TEST(UnpackPixels, RefusesWhatIsNotAWholePicture) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
  };
  std::vector<unsigned char> cut = Packed(2, 2, {{4, false, {1, 2, 3, 4}}});
  cut.pop_back();
  std::vector<unsigned char> trailing = Packed(1, 1, {{1, true, {kRed}}});
  trailing.push_back(0);
  const Case cases[] = {
      {"no header", {1, 0, 0}},
      {"no width", Packed(0, 1, {})},
      {"too tall", Packed(1, 100000, {{100000, true, {kRed}}})},
      {"too few pixels", Packed(2, 2, {{3, true, {kRed}}})},
      {"a run past the end", Packed(2, 2, {{5, true, {kRed}}})},
      {"literals past the end", Packed(1, 1, {{2, false, {kRed, kBlue}}})},
      {"an empty chunk", Packed(1, 1, {{0, true, {kRed}}, {1, true, {kRed}}})},
      {"a cut pixel", cut},
      {"bytes beyond", trailing},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(UnpackPixels(c.bytes)) << c.what;
  }
}

TEST(PackedSize, ReadsTheHeaderAlone) {
  auto size = PackedSize(Packed(539, 578, {}));
  ASSERT_TRUE(size);
  EXPECT_EQ(*size, (std::pair{539, 578}));
}

Pixels Filled(int width, int height, uint32_t pixel) {
  return {width, height, std::vector<uint32_t>(size_t(width) * height, pixel)};
}

TEST(Resample, KeepsAFlatColourAtAnySize) {
  for (auto [width, height] : {std::pair{6, 4}, {4, 3}, {9, 7}, {1, 1}}) {
    Pixels scaled = Resample(Filled(8, 6, 0x80402010), width, height);
    ASSERT_EQ(scaled.bgra.size(), size_t(width * height));
    for (uint32_t pixel : scaled.bgra) EXPECT_EQ(pixel, 0x80402010u);
  }
}

TEST(Resample, AveragesTheAreaEachPixelCovers) {
  // Four columns, red and clear in pairs, halved: one red, one clear.
  Pixels from{4, 1, {kRed, kRed, kClear, kClear}};
  EXPECT_EQ(Resample(from, 2, 1).bgra, (std::vector<uint32_t>{kRed, kClear}));
  // Alternating columns shrunk to one pixel: half of red, premultiplied.
  Pixels stripes{2, 2, {kRed, kClear, kRed, kClear}};
  EXPECT_EQ(Resample(stripes, 1, 1).bgra, std::vector<uint32_t>{0x80800000});
  // Three to two: the middle column is shared by both.
  Pixels thirds{3, 1, {kRed, kBlue, kRed}};
  EXPECT_EQ(Resample(thirds, 2, 1).bgra,
            (std::vector<uint32_t>{0xFFAA0055, 0xFFAA0055}));
}

}  // namespace
}  // namespace vpa
