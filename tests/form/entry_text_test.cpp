// What a box keeps of a key, an input method or a paste, as both windows
// apply it: nothing the detailer typed disappears unseen.
#include "form/entry_text.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

TEST(Bring, CharactersTheStoreLacksBecomeTheirTwinsOrAStandIn) {
  const struct {
    std::u16string brought;
    std::u16string taken;  // empty with a refusal
    const char* told;      // a part of the refusal or the note
  } cases[] = {
      {u"1\u20442", u"1/2", ""},                 // fraction slash
      {u"\u22126", u"-6", ""},                   // minus sign
      {u"10\u22126 1\u22152", u"10-6 1/2", ""},  // division slash
      {u"\uFF11\uFF12", u"12", ""},              // fullwidth digits
      {u"\u0661\u0665", u"15", ""},              // Arabic-Indic digits
      {u"\u0967\u0966", u"10", ""},              // Devanagari digits
      {u"\xD835\xDFD9", u"1", ""},               // a digit beyond the BMP
      {u"1\u202F1/2", u"1 1/2", ""},             // narrow no-break space
      {u"1\u20326\u2033", u"1'6\"", ""},         // primes
      {u"10\u20136\u00A01/2", u"10-6 1/2", ""},   // a word processor's
      {u"1\u20196\u201D", u"1'6\"", ""},          // dash, space, quotes
      // No twin: a stand-in that no dimension form holds.
      {u"12\u21535", u"12?5", "\"\u2153\" (U+2153) cannot be kept"},
      {u"2\t6", u"2?6", "A tab"},
      {u"7\x1b", u"7?", "U+001B"},
      {u"1\u00AD2", u"1?2", "U+00AD"},  // a soft hyphen, unseen
      {u"\xD835", u"?", "U+D835"},  // half a pair
      // A paste: its first line that holds more than blanks.
      {u"\r\n12\r\n", u"12", ""},
      {u"\n  \n 1-0 1/2 \n34", u"1-0 1/2", "only its first"},
      {u"10-\r\n6 1/2\r\n", u"10-", "only its first"},
      {u"5\t\r\n", u"5", ""},  // a spreadsheet cell
      {u"\r\n \r\n", u"", "held no text"},
      {u"\r\n1\u2153\r\n", u"1?", "U+2153"},
      {u"1\u2153\n2", u"1?", "first was taken.\n\"\u2153\" (U+2153)"},
  };
  for (const auto& c : cases) {
    const BroughtText brought = Bring(c.brought);
    EXPECT_EQ(brought.text, c.taken) << c.told;
    const std::string told = brought.refusal + brought.note;
    EXPECT_EQ(told.empty(), *c.told == '\0') << told;
    EXPECT_NE(told.find(c.told), std::string::npos) << told;
    EXPECT_EQ(brought.refusal.empty(), !c.taken.empty()) << told;
  }
}

TEST(Bring, APasteIsTrimmedAndRefusedWhenItHeldNothing) {
  EXPECT_EQ(Bring(u" 1-6 ", true).text, u"1-6");
  EXPECT_EQ(Bring(u" 1-6 ").text, u" 1-6 ");  // typed: every blank kept
  for (std::u16string_view empty : {u"", u"  "}) {
    EXPECT_NE(Bring(empty, true).refusal, "");
  }
}

TEST(AfterEdit, TellsWhatTheEditBroughtFromWhereTheBoxStood) {
  const struct {
    BoxBefore before;
    std::u16string after;  // as the toolkit shows it, cursor at its end mark
    size_t cursor;
    std::u16string kept;
    size_t kept_cursor;
    bool refused;
  } cases[] = {
      // Typed or pasted at the cursor, or over a selection.
      {{u"1", 1, 1}, u"1\u2044", 2, u"1/", 2, false},
      {{u"12", 0, 2}, u"1\r\n", 3, u"1", 1, false},
      {{u"ab", 1, 1}, u"a\r\n7\r\nb", 6, u"a7b", 2, false},
      {{u"5", 0, 1}, u"\r\n12\r\n", 6, u"12", 2, false},
      {{u"5", 0, 1}, u"\r\n\r\n", 4, u"5", 0, true},
      {{u"4", 1, 1}, u"4\u2153", 2, u"4?", 2, false},
      // More than one character at once is a paste: trimmed of blanks,
      // refused when it held nothing else; a typed blank is a blank.
      {{u"12", 0, 2}, u" 1-6 ", 5, u"1-6", 3, false},
      {{u"12", 0, 2}, u"   ", 3, u"12", 0, true},
      {{u"1", 1, 1}, u"1 ", 2, u"1 ", 2, false},
      // Nothing brought in one place: a deletion, an undo.
      {{u"123", 3, 3}, u"12", 2, u"12", 2, false},
      {{u"123", 0, 0}, u"23", 0, u"23", 0, false},
  };
  for (const auto& c : cases) {
    const EditedEntry edited = AfterEdit(c.before, c.after, c.cursor);
    EXPECT_EQ(edited.text, c.kept) << edited.refusal;
    EXPECT_EQ(edited.refusal.empty(), !c.refused) << edited.refusal;
    if (!c.refused) EXPECT_EQ(edited.cursor, c.kept_cursor);
  }
}

}  // namespace
}  // namespace vpa
