// Turns a checked number literal into a double without the C locale.
#ifndef VPA_UNITS_NUMBER_READING_H_
#define VPA_UNITS_NUMBER_READING_H_

#include <string_view>

namespace vpa {

// `literal` is digits with at most one ".", at least one digit, and an
// optional exponent "e" [sign] digits; no sign of its own. Values beyond the
// range of a double give infinity, values below it 0.
double LiteralValue(std::string_view literal);

}  // namespace vpa

#endif  // VPA_UNITS_NUMBER_READING_H_
