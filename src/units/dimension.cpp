// The dimension reader. It does not parse by a grammar: six tests, each
// looking at the whole text, run in a fixed order and the last one that
// applies decides. Detailers' stored entries rely on exactly this outcome.
#include "units/dimension.h"

#include <cmath>

#include "base/text.h"
#include "units/decimal_text.h"
#include "units/number_reading.h"

namespace vpa {
namespace {

constexpr double kInchesPerFoot = 12;
constexpr auto npos = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Contains(std::string_view text, char c) { return text.find(c) != npos; }

// Moves past a run of digits with at most one point; appends what it reads.
// Returns the number of digits read.
int ReadMantissa(std::string_view text, size_t& at, std::string& literal,
                 bool skip_blanks) {
  int digits = 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    char c = text[at];
    if (skip_blanks && (c == ' ' || c == '\t' || c == '\n')) continue;
    if (c == '.' && !point) {
      point = true;
    } else if (IsDigit(c)) {
      ++digits;
    } else {
      break;
    }
    literal += c;
  }
  return digits;
}

// Reads "e" [sign] digits at `at` when it is all there; appends it.
void ReadExponent(std::string_view text, size_t& at, std::string& literal,
                  bool skip_blanks) {
  auto skip = [&](size_t i) {
    while (skip_blanks && i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
      ++i;
    }
    return i;
  };
  size_t i = skip(at);
  if (i == text.size() || (text[i] != 'e' && text[i] != 'E')) return;
  std::string exponent = "e";
  i = skip(i + 1);
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    exponent += text[i];
    i = skip(i + 1);
  }
  size_t digits_start = exponent.size();
  for (; i < text.size(); i = skip(i + 1)) {
    if (!IsDigit(text[i])) break;
    exponent += text[i];
  }
  if (exponent.size() == digits_start) return;
  literal += exponent;
  at = i;
}

// Reads an optional sign at `at`; true when it is a minus.
bool ReadSign(std::string_view text, size_t& at) {
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    return text[at++] == '-';
  }
  return false;
}

double Signed(bool negative, const std::string& literal) {
  double value = LiteralValue(literal);
  return negative ? -value : value;
}

// "1e-7" reads as feet "1e": say what the detailer meant to write.
Error FeetPartError(std::string_view text, size_t minus) {
  std::string_view feet = text.substr(0, minus);
  bool exponent = !feet.empty() && (feet.back() == 'e' || feet.back() == 'E') &&
                  WholeReading(feet.substr(0, feet.size() - 1)) &&
                  minus + 1 < text.size() && IsDigit(text[minus + 1]);
  if (exponent) return Error{"exponents below zero are not a dimension form"};
  return Error{"the feet part " + QuoteEntry(feet) + " is not a number"};
}

// Feet and inches on either side of the first minus sign of `text`; fails
// when the feet part is not one number.
Result<double> FeetAndInches(std::string_view text) {
  size_t minus = text.find('-');
  std::optional<double> feet = WholeReading(text.substr(0, minus));
  if (!feet) return FeetPartError(text, minus);
  return *feet * kInchesPerFoot + ParseInches(text.substr(minus + 1));
}

// The six tests, in order; each one that applies replaces the result.
Result<DimensionValue> RunTests(std::string_view text) {
  DimensionValue result = DimensionValue::Nothing();
  bool has_minus = Contains(text, '-');
  bool begins_minus = !text.empty() && text.front() == '-';
  bool negative_feet = begins_minus && Contains(text.substr(1), '-');
  bool begins_digit = !text.empty() && IsDigit(text.front());
  bool has_slash = Contains(text, '/');

  if (WholeReading(text)) result = DimensionValue::Text(text);
  if (!has_minus) result = DimensionValue::Number(ParseInches(text));
  if (negative_feet) {
    Result<double> inches = FeetAndInches(text.substr(1));
    if (!inches.ok()) return inches.failure();
    result = DimensionValue::Number(-inches.value());
  }
  if (begins_digit && has_minus) {
    Result<double> inches = FeetAndInches(text);
    if (!inches.ok()) return inches.failure();
    result = DimensionValue::Number(inches.value());
  }
  if (begins_digit && !has_minus && has_slash) {
    result = DimensionValue::Number(ParseInches(text));
  }
  if (begins_minus && !negative_feet && WholeReading(text.substr(0, 2)) &&
      has_slash) {
    result = DimensionValue::Number(-ParseInches(text.substr(1)));
  }
  return result;
}

}  // namespace

std::optional<double> WholeReading(std::string_view text) {
  text = TrimSpaces(text);
  size_t at = 0;
  bool negative = ReadSign(text, at);
  std::string literal;
  if (ReadMantissa(text, at, literal, false) == 0) return std::nullopt;
  ReadExponent(text, at, literal, false);
  if (at != text.size()) return std::nullopt;
  return Signed(negative, literal);
}

double LeadingReading(std::string_view text) {
  size_t at = text.find_first_not_of(" \t\n");
  if (at == npos) return 0;
  bool negative = ReadSign(text, at);
  std::string literal;
  if (ReadMantissa(text, at, literal, true) == 0) return 0;
  ReadExponent(text, at, literal, true);
  return Signed(negative, literal);
}

double ParseInches(std::string_view text) {
  text = TrimSpaces(text);
  double whole = 0;
  size_t blank = text.find(' ');
  if (blank != npos) {
    whole = LeadingReading(text.substr(0, blank));
    text = text.substr(blank + 1);
  } else if (!Contains(text, '/')) {
    whole = LeadingReading(text);
  }
  size_t slash = text.find('/');
  if (slash == npos) return whole;
  double numerator = LeadingReading(text.substr(0, slash));
  double denominator = LeadingReading(text.substr(slash + 1));
  return denominator != 0 ? numerator / denominator + whole : whole;
}

Result<DimensionValue> ParseDimension(std::string_view text) {
  Result<DimensionValue> result = RunTests(text);
  if (result.ok() && !std::isfinite(AsNumber(result.value()))) {
    return Error{"the value is too large"};
  }
  return result;
}

std::string AsText(const DimensionValue& value) {
  switch (value.kind) {
    case DimensionValue::Kind::kNumber:
      return DecimalText(value.number);
    case DimensionValue::Kind::kText:
      return value.text;
    case DimensionValue::Kind::kNothing:
      break;
  }
  return {};
}

double AsNumber(const DimensionValue& value) {
  switch (value.kind) {
    case DimensionValue::Kind::kNumber:
      return value.number;
    case DimensionValue::Kind::kText:
      return LeadingReading(value.text);
    case DimensionValue::Kind::kNothing:
      break;
  }
  return 0;
}

}  // namespace vpa
