// The dimension reader against its table of worked examples.
#include "units/dimension.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

using Kind = DimensionValue::Kind;

struct Reading {
  const char* entry;
  Kind kind;
  double number;  // for numbers
};

class ReadsAs : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadsAs, WorkedExample) {
  const Reading& reading = GetParam();
  Result<DimensionValue> value = ParseDimension(reading.entry);
  ASSERT_TRUE(value.ok()) << value.error();
  ASSERT_EQ(value.value().kind, reading.kind);
  if (reading.kind == Kind::kNumber) {
    EXPECT_DOUBLE_EQ(value.value().number, reading.number);
  }
  if (reading.kind == Kind::kText) EXPECT_EQ(value.value().text, reading.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadsAs,
    ::testing::Values(
        Reading{"1.5", Kind::kNumber, 1.5}, Reading{"1.50", Kind::kNumber, 1.5},
        Reading{"12", Kind::kNumber, 12}, Reading{"1 1/2", Kind::kNumber, 1.5},
        Reading{"3/4", Kind::kNumber, 0.75},
        Reading{"1-0 1/2", Kind::kNumber, 12.5},
        Reading{"10-6 1/2", Kind::kNumber, 126.5},
        Reading{"2-6", Kind::kNumber, 30}, Reading{"2 - 6", Kind::kNumber, 30},
        Reading{"1.5-6", Kind::kNumber, 24}, Reading{"1-", Kind::kNumber, 12},
        Reading{"1-2-8", Kind::kNumber, 14},
        Reading{"-1-2", Kind::kNumber, -14},
        Reading{"-1-0 1/2", Kind::kNumber, -12.5},
        Reading{"-0-6", Kind::kNumber, -6},
        Reading{"-1 1/2", Kind::kNumber, -1.5},
        Reading{"-3/4", Kind::kNumber, -0.75}, Reading{"", Kind::kNumber, 0},
        Reading{"abc", Kind::kNumber, 0}, Reading{"1/0", Kind::kNumber, 0},
        Reading{"5 3/0", Kind::kNumber, 5}, Reading{"1 2", Kind::kNumber, 1},
        Reading{"1 1 1/2", Kind::kNumber, 6.5},
        Reading{" 12 ", Kind::kNumber, 12}, Reading{"1e3", Kind::kNumber, 1000},
        Reading{"12abc", Kind::kNumber, 12}));

INSTANTIATE_TEST_SUITE_P(
    PassedThrough, ReadsAs,
    ::testing::Values(Reading{"-1.5", Kind::kText, 0},
                      Reading{"-1.50", Kind::kText, 0},
                      Reading{"-6", Kind::kText, 0},
                      Reading{" -6 ", Kind::kText, 0},
                      Reading{"-1e3", Kind::kText, 0},
                      Reading{"-.5", Kind::kText, 0}));

INSTANTIATE_TEST_SUITE_P(
    Nothing, ReadsAs,
    ::testing::Values(Reading{"-abc", Kind::kNothing, 0},
                      Reading{"-", Kind::kNothing, 0},
                      Reading{"a-b", Kind::kNothing, 0},
                      Reading{" 1-6", Kind::kNothing, 0},
                      Reading{"- 1/2", Kind::kNothing, 0}));

TEST(ParseDimension, FeetPartThatIsNoNumberIsAConversionError) {
  for (const char* entry : {"--6", "-a-6", "1 1/2-3", "1e-3", "1x-2"}) {
    EXPECT_FALSE(ParseDimension(entry).ok()) << entry;
  }
}

TEST(ParseDimension, ValuesBeyondADoubleAreAConversionError) {
  for (const char* entry : {"1e999", "-1e999", "1e308-0", "-1e308-1e308"}) {
    EXPECT_FALSE(ParseDimension(entry).ok()) << entry;
  }
}

TEST(ParseDimension, LongTextsHaveNoLimit) {
  std::string long_entry = std::string(100000, '1') + " 1/2";
  EXPECT_FALSE(ParseDimension(long_entry).ok());  // 1e100000 inches
  std::string zeros = "0." + std::string(100000, '0') + "5";
  ASSERT_TRUE(ParseDimension(zeros).ok());
  EXPECT_EQ(ParseDimension(zeros).value().number, 0);
  std::string spaced = std::string(70000, ' ') + "3/4";
  EXPECT_DOUBLE_EQ(ParseDimension(spaced).value().number, 0.75);
}

TEST(WholeReading, AcceptsOnlyOneNumber) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {{"5", 5},     {" 5 ", 5},        {".5", 0.5},     {"5.", 5},
               {"-5", -5},   {"+5", 5},         {"1E2", 100},    {"1e-2", 0.01},
               {"", {}},     {" ", {}},         {"-", {}},       {".", {}},
               {"1.2.3", {}}, {"1 2", {}},       {"1e", {}},      {"a", {}},
               {"\t5", {}},  {"- 5", {}},       {"1/2", {}},     {"0x10", {}}};
  for (const Case& c : cases) EXPECT_EQ(WholeReading(c.text), c.value) << c.text;
}

TEST(LeadingReading, NeverFails) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"12abc", 12}, {"1.5.3", 1.5}, {"2-8", 2},    {"a", 0},
               {"", 0},       {"1 1", 11},    {"\t1\n2", 12}, {"-", 0},
               {"- 5", -5},   {"1e2x", 100},  {"1e", 1},     {"1e+", 1},
               {".5", 0.5},   {"+3", 3},      {"1,5", 1}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingReading(c.text), c.value) << c.text;
  }
}

TEST(ParseInches, ReadsWholeAndFraction) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"1 1/2", 1.5}, {"  3/4  ", 0.75}, {"7", 7},     {"1/0", 0},
               {"5 3/0", 5},   {"1 2", 1},        {"1 x", 1},    {"", 0},
               {"2 1/2/3", 2.5}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ParseInches(c.text), c.value) << c.text;
  }
}

TEST(DimensionValue, TextAndNumberForms) {
  EXPECT_EQ(AsText(DimensionValue::Nothing()), "");
  EXPECT_EQ(AsText(DimensionValue::Text("-1.50")), "-1.50");
  EXPECT_EQ(AsText(DimensionValue::Number(12.5)), "12.5");
  EXPECT_EQ(AsNumber(DimensionValue::Nothing()), 0);
  EXPECT_EQ(AsNumber(DimensionValue::Text("-1.50")), -1.5);
}

TEST(ParseDimension, StagedTextsReadBackAsThemselves) {
  for (const char* staged : {"12.5", "0.333333333333333", "126", "0"}) {
    EXPECT_EQ(AsText(ParseDimension(staged).value()), staged);
  }
}

}  // namespace
}  // namespace vpa
