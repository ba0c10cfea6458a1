// From a row's entries to the preview's input: the one place that knows how
// the row check hands its staged values on.
#ifndef VPA_FORM_PREVIEW_ROW_H_
#define VPA_FORM_PREVIEW_ROW_H_

#include <optional>
#include <string_view>

#include "form/form_state.h"
#include "form/preview.h"
#include "staging/checked_row.h"
#include "staging/row_entries.h"

namespace vpa {

// What the preview draws of a checked row.
PreviewRow PreviewOf(const CheckedRow& checked);

// What the preview draws for a row holding `entries` (in the store's code
// page) with the end choice `end`; nothing for a row a Run would refuse.
std::optional<PreviewRow> PreviewRowOf(const RowEntries& entries,
                                       std::string_view end);

// PreviewRowOf for row `row` (1 to 5) of `state` with its end choice, as a
// Run of it sees the row: nothing also while one of its stored entries
// could not be read and has not been given again.
std::optional<PreviewRow> PreviewFormRow(const StoredForm& stored, int row,
                                         const FormState& state);

}  // namespace vpa

#endif  // VPA_FORM_PREVIEW_ROW_H_
