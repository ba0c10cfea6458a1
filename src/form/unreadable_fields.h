// Stored fields whose files are there but cannot be read. Such a box shows
// empty, yet its row must not run as if it were empty, and its file is left
// alone until the detailer changes the box.
#ifndef VPA_FORM_UNREADABLE_FIELDS_H_
#define VPA_FORM_UNREADABLE_FIELDS_H_

#include <filesystem>
#include <string>
#include <vector>

#include "base/program_folder.h"
#include "form/fields.h"

namespace vpa {

struct FormState;

struct UnreadableField {
  const StoredField* field;    // one of StoredFields()
  std::filesystem::path file;  // its file under TextFiles
  std::string reason;          // why, in words (UTF-8)
};

// The stored fields that could not be read, in the order they are saved. A
// missing file is not among them: it is an empty field.
std::vector<UnreadableField> UnreadableFields(const ProgramFolder& folder);

// Whether `unreadable` stops a Run of `row`: it lies in that row or is the
// end choice.
bool StopsRow(const UnreadableField& unreadable, int row);

// Whether any of `unreadable` stops a Run of `row`.
bool AnyStopsRow(const std::vector<UnreadableField>& unreadable, int row);

// The message that refuses a Run of `row` (1 to 5), in the Run's words and
// in UTF-8, for those of `unreadable` that lie in the row or are the end
// choice: "No macro was written for row 1:" and a line for each, naming
// its file and why, then the row's other refusals in `state`, so that one
// message names every entry to mend. Empty when none is unreadable.
std::string UnreadableRowMessage(
    int row, const std::vector<UnreadableField>& unreadable,
    const FormState& state);

// The reading of such a box, in UTF-8: what could not be read, and why.
std::string UnreadableReading(const UnreadableField& unreadable);

}  // namespace vpa

#endif  // VPA_FORM_UNREADABLE_FIELDS_H_
