// A row and the end choice as the window last saved them.
#ifndef VPA_STORE_STORED_ROWS_H_
#define VPA_STORE_STORED_ROWS_H_

#include <string>

#include "base/program_folder.h"
#include "staging/row_command.h"

namespace vpa {

// Row `row` (1 to 5): its saved texts, and the items at its saved list
// positions (the empty text where a position selects nothing).
RowEntries LoadStoredRow(const ProgramFolder& folder, int row);

// The end choice at its saved position, or the empty text.
std::string LoadStoredEnd(const ProgramFolder& folder);

}  // namespace vpa

#endif  // VPA_STORE_STORED_ROWS_H_
