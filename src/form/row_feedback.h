// What the window tells the detailer about a row, in words: an entry's
// reading, the Run! buttons' tooltips, and which control a refusal sends the
// focus to. Both windows show these texts as they stand.
#ifndef VPA_FORM_ROW_FEEDBACK_H_
#define VPA_FORM_ROW_FEEDBACK_H_

#include <string>
#include <string_view>
#include <vector>

#include "staging/row_check.h"

namespace vpa {

// The live reading of a dimension box: the whole entry and what a Run will
// make of it, or why the Run would refuse it.
struct EntryReading {
  bool refused;
  std::string tooltip;
};
EntryReading ReadEntry(RowField field, std::string_view entry);

// The reading of a box whose last edit was refused, in UTF-8: the entry as
// it stands (in the store's code page) and why the edit was not taken.
std::string RefusedEditReading(std::string_view entry,
                               std::string_view refusal);

// A tooltip's text broken into lines a reader can take in: a long line
// wraps at a blank near `kReadingWidth` characters, and one that would take
// more than `kReadingLines` lines ends there in "...".
inline constexpr size_t kReadingWidth = 64;
inline constexpr size_t kReadingLines = 6;
std::string Wrapped(std::string_view text);

// The control a refusal sends the focus to: the first one named.
std::string FirstRefusedControl(int row,
                                const std::vector<FieldRefusal>& refusals);

// A Run! button's tooltip before it has written the current macro...
std::string RunTooltip(int row);
// ...and once it has, at `time` (as the clock shows it), into `path`.
std::string WrittenTooltip(int row, std::string_view time,
                           std::string_view path);

}  // namespace vpa

#endif  // VPA_FORM_ROW_FEEDBACK_H_
