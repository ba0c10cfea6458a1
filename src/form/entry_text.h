// What an entry box holds after a key or a paste, by one rule for both
// windows: the store keeps one line of Windows-1252 text per field, so a
// line break or another control character never stands in an entry.
#ifndef VPA_FORM_ENTRY_TEXT_H_
#define VPA_FORM_ENTRY_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vpa {

struct EditedEntry {
  std::u16string text;
  size_t cursor = 0;
  bool allowed = true;  // false: refuse the edit whole
};

// A box's text right after an edit that left the cursor at `cursor`. A
// paste ends at the cursor: from its first line break on, what it brought
// is dropped (a cell copied from a spreadsheet or a line from an editor
// ends in one). An edit is not allowed when the text then holds another
// control character or a character the store has no byte for.
EditedEntry AfterEdit(std::u16string_view text, size_t cursor);

}  // namespace vpa

#endif  // VPA_FORM_ENTRY_TEXT_H_
