// The row check: a row's entries are read once and become either every
// refusal or one checked row. A refused row writes nothing; every refusing
// entry is named at once, in the order of the row, so the detailer mends
// them all in one go.
#ifndef VPA_STAGING_ROW_CHECK_H_
#define VPA_STAGING_ROW_CHECK_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "staging/checked_row.h"
#include "staging/row_entries.h"

namespace vpa {

struct FieldRefusal {
  RowField field;
  std::string reason;
  // The entry is not one the reader takes whole; the message then lists the
  // forms a dimension may take.
  bool unreadable = false;
};

// The forms a dimension entry may take, as a refusal tells them.
inline constexpr std::string_view kAcceptedForms =
    "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet and "
    "inches).";

// No building has a size beyond this many inches either way; a larger value
// would only make the host compute points it cannot place.
inline constexpr double kMaxInches = 1e6;

// One dimension entry, read once.
struct DimensionCheck {
  // Why a Run refuses the entry: it cannot be read, is read only in part,
  // or is too large; and L must be more than 0, for an angle must have a
  // length.
  std::optional<FieldRefusal> refusal;
  // What the reader makes of it; nothing when it cannot read it at all.
  std::optional<CheckedDimension> dimension;
};
DimensionCheck CheckDimension(RowField field, std::string_view entry);

// Either every refusing entry of the row, in row order, then V1 + L and
// V2 + L when one is too large, then the end choice; or the checked row.
// A list with nothing chosen refuses; so does an end text that is none of
// the end choices.
struct RowCheck {
  std::vector<FieldRefusal> refusals;
  std::optional<CheckedRow> row;  // only when nothing refused
};
RowCheck CheckRow(const RowEntries& entries, std::string_view end);

// One message for all refusals: a line naming the row (when `row` is 1 to
// 5), a line per refusal, and the accepted forms when an entry was
// unreadable.
std::string RefusalMessage(int row, const std::vector<FieldRefusal>& refusals);

}  // namespace vpa

#endif  // VPA_STAGING_ROW_CHECK_H_
