// Decimal text: how the program writes a number of inches.
#ifndef VPA_UNITS_DECIMAL_TEXT_H_
#define VPA_UNITS_DECIMAL_TEXT_H_

#include <string>

namespace vpa {

// At most 15 significant digits in plain decimal form (never an exponent), a
// "." point, no trailing zeros or point, "0" for zero and negative zero. A
// value that is not finite has no decimal text: it gives the empty text, never
// "inf" or "nan" (callers refuse such values before they get here).
std::string DecimalText(double value);

}  // namespace vpa

#endif  // VPA_UNITS_DECIMAL_TEXT_H_
