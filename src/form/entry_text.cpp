// The text before the edit held no line break (this rule kept it out), so
// the first one in the text came with the edit.
#include "form/entry_text.h"

#include <algorithm>

#include "base/code_page_1252.h"

namespace vpa {
namespace {

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

EditedEntry AfterEdit(std::u16string_view text, size_t cursor) {
  cursor = std::min(cursor, text.size());
  EditedEntry edited{std::u16string(text), cursor};
  const size_t line_break = text.find_first_of(u"\r\n");
  if (line_break != std::u16string_view::npos) {
    const size_t rest = cursor > line_break ? cursor : text.size();
    edited.text = std::u16string(text.substr(0, line_break)) +
                  std::u16string(text.substr(rest));
    edited.cursor = line_break;
  }
  edited.allowed = std::none_of(
      edited.text.begin(), edited.text.end(),
      [](char16_t c) { return IsControl(c) || !IsStorable1252(c); });
  return edited;
}

}  // namespace vpa
