// What the window tells the detailer about a row, in words: an entry's
// reading, the Run! buttons' tooltips, and which control a refusal sends the
// focus to. Both windows show these texts as they stand.
#ifndef VPA_FORM_ROW_FEEDBACK_H_
#define VPA_FORM_ROW_FEEDBACK_H_

#include <string>
#include <string_view>
#include <vector>

#include "staging/row_refusal.h"

namespace vpa {

// The live reading of a dimension box: the whole entry and what a Run will
// make of it, or why the Run would refuse it.
struct EntryReading {
  bool refused;
  std::string tooltip;
};
EntryReading ReadEntry(RowField field, std::string_view entry);

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
