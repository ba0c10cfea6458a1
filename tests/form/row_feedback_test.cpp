// The texts the window shows about a row, and where a refusal sends the
// focus.
#include "form/row_feedback.h"

#include <gtest/gtest.h>

#include "form/fields.h"
#include "form/list_search.h"

namespace vpa {
namespace {

TEST(ReadEntry, ShowsTheWholeEntryAndMarksEntriesWithoutDigits) {
  const struct {
    RowField field;
    const char* entry;
    bool refused;
    const char* tooltip;
  } cases[] = {
      {RowField::kH, "10-11 15/16", false, "10-11 15/16\n= 131.9375 in"},
      {RowField::kH, "0", false, "0\n= 0 in"},
      {RowField::kH, "abc", true,
       "abc\nabc is not part of a dimension; abc would be read as 0 in"},
      {RowField::kV2, "", false, "(empty)\n= 0 in, no digits"},
      {RowField::kV1, "-6.50", false, "-6.50\n= -6.50 in"},
      {RowField::kH, "a-b", true, "a-b\ncannot read \"a-b\""},
      {RowField::kH, "12?5", true,
       "12?5\n?5 is not part of a dimension; 12?5 would be read as 12 in\n"
       "\"?\" stands for a character an entry cannot keep"},
      {RowField::kL, "", true,
       "(empty)\nan angle's length must be more than 0"},
      {RowField::kL, "1/64", false, "1/64\n= 0.015625 in"},
  };
  for (const auto& c : cases) {
    EntryReading reading = ReadEntry(c.field, c.entry);
    EXPECT_EQ(reading.refused, c.refused) << c.entry;
    EXPECT_EQ(reading.tooltip, c.tooltip) << c.entry;
  }
}

// However long an entry, its reading stays a few lines of readable width.
TEST(ReadEntry, LongEntriesWrapAndEndInAFewLines) {
  for (const std::string& entry :
       {std::string(200000, '1'), "1 " + std::string(300, 'x')}) {
    const std::string tooltip = ReadEntry(RowField::kH, entry).tooltip;
    size_t lines = 1;
    for (size_t start = 0, end;
         (end = tooltip.find('\n', start)) != std::string::npos;
         start = end + 1, ++lines) {
      EXPECT_LE(end - start, kReadingWidth);
    }
    EXPECT_LE(lines, 2 * kReadingLines);
    EXPECT_NE(tooltip.find("..."), std::string::npos);
  }
}

TEST(ControlName, EveryFieldOfARowAndTheEndChoice) {
  const std::pair<RowField, const char*> names[] = {
      {RowField::kH, "zzH4"},     {RowField::kV1, "zzV4"},
      {RowField::kV2, "zzW4"},    {RowField::kSection, "MAT4"},
      {RowField::kL, "zzL4"},     {RowField::kLeg, "OSL4"},
      {RowField::kPair, "Pair4"}, {RowField::kEnd, "BS"}};
  for (const auto& [field, name] : names) {
    EXPECT_EQ(ControlName(4, field), name);
  }
  EXPECT_EQ(FirstRefusedControl(2, {{RowField::kL, "x"}, {RowField::kH, "y"}}),
            "zzL2");
  EXPECT_EQ(FirstRefusedControl(2, {}), "");
}

TEST(RunTooltips, SayWhatRunDoesAndWhatItDid) {
  EXPECT_EQ(RunTooltip(3),
            "Write row 3's macro, copy its path, minimise; then in SDS/2 "
            "pick the beams and right click");
  EXPECT_EQ(WrittenTooltip(3, "14:05:09", "C:\\VPA\\0PY\\0.PY"),
            "Write row 3's macro, copy its path, minimise; then in SDS/2 "
            "pick the beams and right click\n"
            "At 14:05:09 this row wrote C:\\VPA\\0PY\\0.PY; the path is on the "
            "clipboard.");
}

TEST(FindItemByPrefix, BlanksAndCaseAndNoMatch) {
  const std::vector<std::string> items = {"L3x3x1/2", "L3 1/2x2 1/2x1/4",
                                          "L3 1/2x3x1/4", "Long"};
  const std::pair<const char*, int> cases[] = {
      {"L3", 0}, {"L3 ", 1},       {"l3 1/2x3", 2}, {"L3 1/2x2 1/2x1/4", 1},
      {"lo", 3}, {"L3 1/2x9", -1}, {"", -1}};
  for (const auto& [typed, found] : cases) {
    EXPECT_EQ(FindItemByPrefix(items, typed), found) << typed;
  }
}

TEST(TypeAhead, GrowsWithinThePauseAndStartsAnewAfterIt) {
  const std::vector<std::string> items = {"L3x3x1/2", "L3 1/2x2 1/2x1/4",
                                          "L4x4x1/4"};
  TypeAhead typed;
  int64_t now = 1000;
  for (char key : std::string("L3 1")) {
    now += 100;
    EXPECT_TRUE(typed.Type(items, key, now, 400).used) << key;
  }
  EXPECT_EQ(typed.Type(items, '/', now + 100, 400).found, 1);
  // After the pause, "4" starts anew and finds nothing; "L" finds the first.
  EXPECT_EQ(typed.Type(items, '4', now + 1000, 400).found, -1);
  EXPECT_EQ(typed.Type(items, 'L', now + 2000, 400).found, 0);
  // A character that extends to nothing starts the text anew with itself.
  EXPECT_EQ(typed.Type(items, 'L', now + 2100, 400).found, 0);
}

TEST(TypeAhead, ALeadingBlankKeepsItsUsualMeaning) {
  const std::vector<std::string> items = {"L3 1/2x2 1/2x1/4"};
  TypeAhead typed;
  EXPECT_FALSE(typed.Type(items, ' ', 10, 400).used);
  EXPECT_TRUE(typed.Type(items, 'L', 20, 400).used);
  EXPECT_TRUE(typed.Type(items, '3', 30, 400).used);
  EXPECT_TRUE(typed.Type(items, ' ', 40, 400).used);
  typed.Clear();
  EXPECT_FALSE(typed.Type(items, ' ', 50, 400).used);
}

}  // namespace
}  // namespace vpa
