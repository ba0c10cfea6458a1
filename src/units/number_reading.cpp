// from_chars reads the literal; out-of-range literals are sorted into too
// large or too small by their decimal magnitude.
#include "units/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vpa {
namespace {

constexpr long kExponentClamp = 100000;

long ExponentOf(std::string_view literal) {
  size_t e = literal.find_first_of("eE");
  if (e == std::string_view::npos) return 0;
  std::string_view digits = literal.substr(e + 1);
  bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    digits.remove_prefix(1);
  }
  long exponent = 0;
  for (char digit : digits) {
    exponent = std::min(exponent * 10 + (digit - '0'), kExponentClamp);
  }
  return negative ? -exponent : exponent;
}

// The power of ten of the first significant digit, exponent included.
long Magnitude(std::string_view literal) {
  std::string_view mantissa = literal.substr(0, literal.find_first_of("eE"));
  size_t point = std::min(mantissa.find('.'), mantissa.size());
  size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return -kExponentClamp;
  long place = first < point ? static_cast<long>(point - first) - 1
                             : -static_cast<long>(first - point);
  return place + ExponentOf(literal);
}

}  // namespace

double LiteralValue(std::string_view literal) {
  double value = 0;
  auto [end, error] = std::from_chars(literal.data(),
                                      literal.data() + literal.size(), value);
  if (error == std::errc::result_out_of_range) {
    return Magnitude(literal) > 0 ? HUGE_VAL : 0.0;
  }
  return value;
}

}  // namespace vpa
