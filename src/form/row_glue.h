// From the form's rows to the row command: a window reads its row into a
// RowState and hands it on; list positions become their items here.
#ifndef VPA_FORM_ROW_GLUE_H_
#define VPA_FORM_ROW_GLUE_H_

#include <string>

#include "base/program_folder.h"
#include "base/result.h"
#include "form/form_state.h"
#include "staging/row_entries.h"

namespace vpa {

// The row's texts, and the items at its lists' positions (the empty text
// where a position selects nothing).
RowEntries EntriesOf(const RowState& row);

// The end choice at position `index`, or the empty text.
std::string EndChoiceAt(int index);

}  // namespace vpa

#endif  // VPA_FORM_ROW_GLUE_H_
