// The field store: one small text file per named field under TextFiles,
// forgiving by design. No load fails or blocks, and no call creates a
// folder; a save tells whether it failed, for callers that want to say so.
#ifndef VPA_STORE_FIELD_STORE_H_
#define VPA_STORE_FIELD_STORE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/program_folder.h"
#include "base/result.h"

namespace vpa {

// A stored entry longer than this is not one the program wrote sensibly; its
// file counts as unreadable.
inline constexpr size_t kMaxFieldLine = size_t{1} << 20;

// Writes the text and CR LF. A failed save keeps the former value; so does a
// text holding a CR or LF, which is refused, for it would not read back.
Status SaveField(const ProgramFolder& folder, std::string_view name,
                 std::string_view text);

// Writes a list position as " 2 " or "-1 " and CR LF.
Status SaveField(const ProgramFolder& folder, std::string_view name, int index);

// A field as the store holds it: its text, or why its file could not be
// read. A missing file is no failure: the field is simply empty.
struct StoredFieldText {
  std::string text;
  // Why the file could not be read, in words ("it is stored as UTF-16
  // text"); the text is then empty.
  std::optional<std::string> unreadable;
};

// The last line of the field's file trimmed of spaces, without a UTF-8
// byte-order mark at the file's start. A file that is not a regular file,
// cannot be read, ends in an overlong line or starts with a UTF-16
// byte-order mark is unreadable.
StoredFieldText LoadStoredField(const ProgramFolder& folder,
                                std::string_view name);

// LoadStoredField's text: an unreadable field reads as the empty text.
std::string LoadField(const ProgramFolder& folder, std::string_view name);

// A stored list position: a whole number from 0 to `count` - 1, else -1.
int StoredIndex(std::string_view stored, int count);

// The one message for a shut-down whose saves failed: the folder, and the
// system's reason from the first failure.
std::string SaveFailureMessage(const ProgramFolder& folder,
                               const Error& first_failure);

}  // namespace vpa

#endif  // VPA_STORE_FIELD_STORE_H_
