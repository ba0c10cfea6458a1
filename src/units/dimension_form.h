// The forms a dimension entry may be written in, as a grammar: the reader
// itself reads any text, and reads the start of an entry like "1'6"" or
// "1,5" without a word, so an entry is checked to be wholly one form.
#ifndef VPA_UNITS_DIMENSION_FORM_H_
#define VPA_UNITS_DIMENSION_FORM_H_

#include <optional>
#include <string>
#include <string_view>

namespace vpa {

// The part of `entry` that no dimension form covers, trimmed of spaces, or
// nothing when the entry (spaces at its two ends aside) is wholly one form:
// an optional sign and then a number ("12.25", "5.", ".5", "1e3"), a
// fraction ("3/4", the denominator not 0), inches with a fraction
// ("1 1/2"), or feet and inches ("1-0 1/2", "2 - 6", "1-", "1-1/3"). The
// empty entry is a form. Only the space is a blank.
std::optional<std::string_view> UnreadPart(std::string_view entry);

// A hint for an entry that is not one form, in the detailer's words, such
// as "write feet and inches as 1-6" for "1'6""; empty when none fits.
std::string FormHint(std::string_view entry);

}  // namespace vpa

#endif  // VPA_UNITS_DIMENSION_FORM_H_
