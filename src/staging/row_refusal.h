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
};

// Why the dimension entry `entry` of `field` cannot be staged, or nothing.
// Only L has a bound: an angle must have a length.
std::optional<std::string> DimensionRefusal(RowField field,
                                            std::string_view entry);

// Every refusing entry of the row, in row order. A list with nothing
// chosen refuses; so does an end text that is none of the end choices.
std::vector<FieldRefusal> RowRefusals(const RowEntries& entries);
std::vector<FieldRefusal> RowRefusals(const RowEntries& entries,
                                      std::string_view end);

// One message for all refusals: a line naming the row (when `row` is 1 to
// 5), a line per refusal, and the accepted forms when an entry was
// unreadable.
std::string RefusalMessage(int row, const std::vector<FieldRefusal>& refusals);

}  // namespace vpa

#endif  // VPA_STAGING_ROW_REFUSAL_H_
