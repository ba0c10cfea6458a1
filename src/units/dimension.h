// The dimension reader: turns SDS/2 dimension text ("1.5", "1 1/2",
// "1-0 1/2" and their negatives) into inches.
#ifndef VPA_UNITS_DIMENSION_H_
#define VPA_UNITS_DIMENSION_H_

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"

namespace vpa {

// What the reader makes of a text: inches, the text itself (forms passed
// through unconverted, such as "-1.50"), or nothing.
struct DimensionValue {
  enum class Kind { kNumber, kText, kNothing };

  static DimensionValue Number(double inches) {
    return {Kind::kNumber, inches, {}};
  }
  static DimensionValue Text(std::string_view text) {
    return {Kind::kText, 0, std::string(text)};
  }
  static DimensionValue Nothing() { return {Kind::kNothing, 0, {}}; }

  Kind kind;
  double number;
  std::string text;
};

// Reads a whole dimension. Fails with a conversion error when a feet part is
// not a number, or when the value lies beyond the range of a double.
Result<DimensionValue> ParseDimension(std::string_view text);

// Reads inches with an optional fraction ("1 1/2", "3/4", "12"); never fails.
double ParseInches(std::string_view text);

// The whole reading: the text is one number, blanks allowed around it.
std::optional<double> WholeReading(std::string_view text);

// The leading reading: the number at the start of the text, blanks (spaces,
// tabs, line feeds) skipped wherever they stand; 0 when there is no digit.
double LeadingReading(std::string_view text);

// The text a value is staged as: a number as its decimal text, a text
// unchanged, nothing as the empty text.
std::string AsText(const DimensionValue& value);

// The number a value counts as: a text by its leading reading, nothing as 0.
double AsNumber(const DimensionValue& value);

}  // namespace vpa

#endif  // VPA_UNITS_DIMENSION_H_
