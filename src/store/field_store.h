// The field store: one small text file per named field under TextFiles,
// forgiving by design. No call reports an error or creates a folder.
#ifndef VPA_STORE_FIELD_STORE_H_
#define VPA_STORE_FIELD_STORE_H_

#include <string>
#include <string_view>

#include "base/program_folder.h"

namespace vpa {

// Writes the text and CR LF. A failed save keeps the former value.
void SaveField(const ProgramFolder& folder, std::string_view name,
               std::string_view text);

// Writes a list position as " 2 " or "-1 " and CR LF.
void SaveField(const ProgramFolder& folder, std::string_view name, int index);

// The last line of the field's file trimmed of spaces; the empty text when
// there is no file or no line.
std::string LoadField(const ProgramFolder& folder, std::string_view name);

// A stored list position: a whole number from 0 to `count` - 1, else -1.
int StoredIndex(std::string_view stored, int count);

}  // namespace vpa

#endif  // VPA_STORE_FIELD_STORE_H_
