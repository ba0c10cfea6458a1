// Decimal text from the 15 significant digits that std::to_chars rounds to;
// the digits are then laid out in plain form whatever the exponent.
#include "units/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vpa {
namespace {

constexpr int kSignificantDigits = 15;

// Lays out `digits` (no leading or trailing zero) so that the first digit
// stands at 10^exponent.
std::string PlainForm(const std::string& digits, int exponent) {
  int whole_digits = exponent + 1;
  if (whole_digits <= 0) {
    return "0." + std::string(-whole_digits, '0') + digits;
  }
  if (whole_digits >= static_cast<int>(digits.size())) {
    return digits + std::string(whole_digits - digits.size(), '0');
  }
  return digits.substr(0, whole_digits) + "." + digits.substr(whole_digits);
}

}  // namespace

std::string DecimalText(double value) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return "0";
  char buffer[64];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                           std::chars_format::scientific,
                           kSignificantDigits - 1)
                 .ptr;
  std::string_view scientific(buffer, end - buffer);
  bool negative = scientific.front() == '-';
  if (negative) scientific.remove_prefix(1);
  size_t e = scientific.find('e');
  std::string digits(scientific.substr(0, e));
  digits.erase(1, 1);  // the point after the first digit
  digits.erase(digits.find_last_not_of('0') + 1);
  int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
  return (negative ? "-" : "") + PlainForm(digits, exponent);
}

}  // namespace vpa
