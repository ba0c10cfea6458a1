// What a box keeps of a paste or a key, as both windows apply it.
#include "form/entry_text.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

TEST(AfterEdit, APasteEndsAtItsFirstLineBreakAndControlsAreRefused) {
  const struct {
    std::u16string text;  // the box's text right after the edit
    size_t cursor;
    std::u16string kept;
    size_t kept_cursor;
    bool allowed;
  } cases[] = {
      {u"1-0 1/2\r\n", 9, u"1-0 1/2", 7, true},     // a spreadsheet cell
      {u"1-0 1/2\n", 8, u"1-0 1/2", 7, true},       // an editor's line
      {u"12\r\n34\r\n56", 10, u"12", 2, true},      // only the first line
      {u"ab1 1/2\nxcd", 9, u"ab1 1/2cd", 7, true},  // pasted between ab, cd
      {u"\n5", 2, u"", 0, true},
      {u"2\t6", 3, u"2\t6", 3, false},  // a tab
      {u"7\x1b", 2, u"7\x1b", 2, false},
      {u"7\x85", 2, u"7\x85", 2, false},         // a C1 control
      {u"1\u0100", 2, u"1\u0100", 2, false},     // no byte in the store
      {u"10\u20136", 4, u"10\u20136", 4, true},  // an en dash has one
  };
  for (const auto& c : cases) {
    EditedEntry edited = AfterEdit(c.text, c.cursor);
    EXPECT_EQ(edited.text, c.kept) << c.cursor;
    EXPECT_EQ(edited.cursor, c.kept_cursor) << c.cursor;
    EXPECT_EQ(edited.allowed, c.allowed) << c.cursor;
  }
}

}  // namespace
}  // namespace vpa
