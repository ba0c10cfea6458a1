// Decimal text: how the program writes a number of inches.
#ifndef VPA_UNITS_DECIMAL_TEXT_H_
#define VPA_UNITS_DECIMAL_TEXT_H_

#include <string>

namespace vpa {

// At most 15 significant digits in plain decimal form (never an exponent), a
// "." point, no trailing zeros or point, "0" for zero and negative zero. The
// value must be finite.
std::string DecimalText(double value);

}  // namespace vpa

#endif  // VPA_UNITS_DECIMAL_TEXT_H_
