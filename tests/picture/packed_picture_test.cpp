// The pictures' codec: hand-made words, whole and damaged, and every
// rendering the build packed.
#include "picture/packed_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vpa {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

uint32_t Repeat(uint32_t count) { return count << 1; }
uint32_t Literal(uint32_t count) { return count << 1 | 1; }

TEST(Unpack, RepeatsAndLiteralsFillEachRow) {
  const std::vector<uint32_t> words = {Repeat(3), kRed,      Literal(2), kBlue,
                                       kRed,      Repeat(1), 0};
  const auto pixels = Unpack({"test", 3, 2, false, words});
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->argb,
            (std::vector<uint32_t>{kRed, kRed, kRed, kBlue, kRed, 0}));
}

// A 3 x 2 picture whose words are not exactly its rows is refused whole.
TEST(Unpack, RefusesDamagedWords) {
  const struct {
    const char* what;
    std::vector<uint32_t> words;
  } cases[] = {
      {"no words", {}},
      {"a repeat over the row", {Repeat(6), kRed}},
      {"a literal over the row",
       {Literal(4), kRed, kRed, kRed, kRed, Repeat(2), kRed}},
      {"a literal cut short", {Repeat(3), kRed, Literal(3), kRed, kRed}},
      {"a repeat without its pixel", {Repeat(3), kRed, Repeat(3)}},
      {"an empty token", {Repeat(0), kRed, Repeat(3), kRed, Repeat(3), kRed}},
      {"too few rows", {Repeat(3), kRed}},
      {"words left over", {Repeat(3), kRed, Repeat(3), kRed, Repeat(1)}},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(Unpack({"damaged", 3, 2, false, c.words})) << c.what;
  }
  EXPECT_FALSE(Unpack({"empty", 0, 0, false, {}}));
}

TEST(RowReader, RowsAfterDamageAreTransparent) {
  const std::vector<uint32_t> words = {Repeat(2), kRed,      Repeat(9),
                                       kBlue,     Repeat(2), kRed};
  const PackedPicture picture{"damaged", 2, 3, false, words};
  RowReader reader(picture);
  std::vector<uint32_t> row(2, kBlue);
  EXPECT_TRUE(reader.Next(row));
  EXPECT_EQ(row, (std::vector<uint32_t>{kRed, kRed}));
  EXPECT_FALSE(reader.Next(row));
  EXPECT_EQ(row, (std::vector<uint32_t>{0, 0}));
  EXPECT_FALSE(reader.Next(row));
  EXPECT_EQ(row, (std::vector<uint32_t>{0, 0}));
  EXPECT_FALSE(reader.whole());
}

// What the build packed for this window: every rendering unpacks whole,
// and a width finds its own rendering or the next larger one.
TEST(PackedPictures, EveryRenderingUnpacksWhole) {
  ASSERT_FALSE(PackedPictures().empty());
  for (const PackedPicture& picture : PackedPictures()) {
    SCOPED_TRACE(std::string(picture.name) + " " +
                 std::to_string(picture.width));
    const auto pixels = Unpack(picture);
    ASSERT_TRUE(pixels);
    bool opaque = true;
    for (uint32_t pixel : pixels->argb) opaque = opaque && pixel >> 24 == 255;
    EXPECT_EQ(picture.opaque, opaque);
  }
}

TEST(FindPicture, TakesTheRenderingOfTheWidthOrTheNextLarger) {
  for (const char* name : {"diagram", "logo"}) {
    SCOPED_TRACE(name);
    std::vector<int> widths;
    for (const PackedPicture& picture : PackedPictures()) {
      if (picture.name == name) widths.push_back(picture.width);
    }
    ASSERT_GE(widths.size(), 2u);
    EXPECT_EQ(FindPicture(name, 1)->width, widths.front());
    for (size_t i = 0; i + 1 < widths.size(); ++i) {
      EXPECT_EQ(FindPicture(name, widths[i])->width, widths[i]);
      EXPECT_EQ(FindPicture(name, widths[i] + 1)->width, widths[i + 1]);
    }
    EXPECT_EQ(FindPicture(name, 100000)->width, widths.back());
  }
  EXPECT_EQ(FindPicture("plan", 100), nullptr);
}

}  // namespace
}  // namespace vpa
