// What an entry box holds after a key, an input method or a paste, by one
// rule for both windows. The store keeps one line of Windows-1252 text per
// field, so no character may vanish on its way there: one the store cannot
// hold, or a look-alike it holds that no dimension form reads (a word
// processor's dash, curly quote or no-break space), becomes its plain
// twin, visibly in the box (a minus sign or a dash "-", a
// fraction slash "/", a fullwidth or other script's digit its ASCII digit,
// another space a space), or, with no twin, a "?" that the box's reading
// explains at once and that every Run refuses until it is mended. So a box
// never holds another number than was typed, not even after more typing.
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
  std::string note;     // UTF-8; why a character stands as "?", or empty
};

// What stands in a box for a character the store cannot hold and that has
// no plain twin: no dimension form holds it, so the row is refused.
inline constexpr char16_t kStandIn = u'?';

// A paste (`pasted`, or any text with a line break) brings its first line
// that holds more than blanks, trimmed of them (a spreadsheet cell is
// copied with line breaks around it), and is refused when it held none;
// then every character is mapped to what the store can hold, its twin or
// the stand-in.
BroughtText Bring(std::u16string_view brought, bool pasted = false);

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
  std::string note;     // UTF-8; why a character stands as "?", or empty
};

// A box's text right after an edit that left the cursor at `cursor`, for a
// toolkit that shows only the result: what the edit brought is told from
// `before` and taken by the rule of Bring, as a paste when it brought more
// than one character. An edit that brought nothing (a deletion, an undo)
// keeps what the store can hold.
EditedEntry AfterEdit(const BoxBefore& before, std::u16string_view after,
                      size_t cursor);

}  // namespace vpa

#endif  // VPA_FORM_ENTRY_TEXT_H_
