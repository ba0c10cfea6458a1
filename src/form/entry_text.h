// What an entry box holds after a key, an input method or a paste, by one
// rule for both windows. The store keeps one line of Windows-1252 text per
// field, so no character may vanish on its way there: one the store cannot
// hold becomes its plain twin, visibly in the box (a minus sign "-", a
// fraction slash "/", a fullwidth or other script's digit its ASCII digit,
// another space a space), or the edit is refused with a reason the box's
// reading shows. A box never holds another number than was typed unseen.
#ifndef VPA_FORM_ENTRY_TEXT_H_
#define VPA_FORM_ENTRY_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vpa {

// What a key or a paste brings into a box, as the box is to take it.
struct BroughtText {
  std::u16string text;
  std::string refusal;  // UTF-8; empty unless the edit is refused whole
};

// A paste brings its first line that holds more than blanks, trimmed of
// them (a spreadsheet cell is copied with line breaks around it); then
// every character is mapped to what the store can hold. Refused when a
// character has no twin, or when the paste held nothing.
BroughtText Bring(std::u16string_view brought);

// A box's text before an edit and the part of it the edit replaces: the
// selection, or the empty part at the cursor.
struct BoxBefore {
  std::u16string text;
  size_t start = 0;
  size_t end = 0;
};

struct EditedEntry {
  std::u16string text;
  size_t cursor = 0;
  std::string refusal;  // UTF-8; empty when the edit is taken
};

// A box's text right after an edit that left the cursor at `cursor`, for a
// toolkit that shows only the result: what the edit brought is told from
// `before` and taken by the rule of Bring. An edit that brought nothing
// (a deletion, an undo) keeps what the store can hold.
EditedEntry AfterEdit(const BoxBefore& before, std::u16string_view after,
                      size_t cursor);

}  // namespace vpa

#endif  // VPA_FORM_ENTRY_TEXT_H_
