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
#include "staging/row_refusal.h"

namespace vpa {

struct UnreadableField {
  const StoredField* field;    // one of StoredFields()
  std::filesystem::path file;  // its file under TextFiles
  std::string reason;          // why, in words (UTF-8)
};

// The stored fields that could not be read, in the order they are saved. A
// missing file is not among them: it is an empty field.
std::vector<UnreadableField> UnreadableFields(const ProgramFolder& folder);

// Why a Run of `row` (1 to 5) is refused: one refusal for each of
// `unreadable` that lies in the row or is the end choice. Reasons are in
// the store's code page, as every refusal's, for RefusalMessage.
std::vector<FieldRefusal> UnreadableRefusals(
    int row, const std::vector<UnreadableField>& unreadable);

// The reading of such a box, in UTF-8: what could not be read, and why.
std::string UnreadableReading(const UnreadableField& unreadable);

}  // namespace vpa

#endif  // VPA_FORM_UNREADABLE_FIELDS_H_
