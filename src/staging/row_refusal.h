// Which entries of a row refuse it, and why. A refused row writes nothing;
// every refusing entry is named at once, in the order of the row, so the
// detailer mends them all in one go.
#ifndef VPA_STAGING_ROW_REFUSAL_H_
#define VPA_STAGING_ROW_REFUSAL_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "staging/row_command.h"

namespace vpa {

// The entries of a row in their order, then the end choice common to all.
enum class RowField { kH, kV1, kV2, kSection, kL, kLeg, kPair, kEnd };

// The caption the window shows over the field ("H", "MATERIAL", "Pairs").
std::string_view FieldCaption(RowField field);

struct FieldRefusal {
  RowField field;
  std::string reason;
  // The entry is not one the reader takes whole; the message then lists the
  // forms a dimension may take.
  bool unreadable = false;
};

// No building has a size beyond this many inches either way; a larger value
// would only make the host compute points it cannot place.
inline constexpr double kMaxInches = 1e6;

// Why the reader cannot read `entry` at all, or nothing.
std::optional<std::string> ReadingRefusal(std::string_view entry);

// What the reader would make of an entry that is not wholly one dimension
// form, in the detailer's words: "'6" is not part of a dimension; 1'6"
// would be read as 1 in (write feet and inches as 1-6)". Nothing for an entry
// that is one form, or that the reader cannot read at all.
std::optional<std::string> HalfReading(std::string_view entry);

// Why the dimension entry `entry` of `field` refuses its row, or nothing:
// it cannot be read, is read only in part, or is too large; and L must be
// more than 0, for an angle must have a length.
std::optional<FieldRefusal> DimensionRefusal(RowField field,
                                             std::string_view entry);

// Every refusing entry of the row, in row order, then V1 + L and V2 + L when
// one is too large. A list with nothing chosen refuses; so does an end text
// that is none of the end choices.
std::vector<FieldRefusal> RowRefusals(const RowEntries& entries);
std::vector<FieldRefusal> RowRefusals(const RowEntries& entries,
                                      std::string_view end);

// One message for all refusals: a line naming the row (when `row` is 1 to
// 5), a line per refusal, and the accepted forms when an entry was
// unreadable.
std::string RefusalMessage(int row, const std::vector<FieldRefusal>& refusals);

}  // namespace vpa

#endif  // VPA_STAGING_ROW_REFUSAL_H_
