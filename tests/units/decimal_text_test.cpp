// Decimal text: 15 significant digits, plain form at every size.
#include "units/decimal_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vpa {
namespace {

TEST(DecimalText, WorkedExamples) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {12, "12"},
      {18.5, "18.5"},
      {0.3125, "0.3125"},
      {-18, "-18"},
      {1.0 / 3, "0.333333333333333"},
      {12 + 1.0 / 3, "12.3333333333333"},
      {0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {132.5, "132.5"},
      {100, "100"},
      {0.1 + 0.2, "0.3"},
      {123456789012345678.0, "123456789012346000"},
      {1e20, "100000000000000000000"},
      {1.5e-7, "0.00000015"},
      {-2.5e-10, "-0.00000000025"},
      {999999999999999.9, "1000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecimalText(c.value), c.text) << c.value;
}

TEST(DecimalText, NeverUsesAnExponent) {
  for (double value : {1e300, -1e300, 1e-300, 4.9e-324, 1.7976931348623157e308}) {
    std::string text = DecimalText(value);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << value;
    std::string digits = text.substr(text.find_first_of("123456789"));
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    digits.erase(digits.find_last_not_of('0') + 1);
    EXPECT_LE(digits.size(), 15u) << text;
  }
}

}  // namespace
}  // namespace vpa
