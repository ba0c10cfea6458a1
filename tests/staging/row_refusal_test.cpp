// Which entries refuse a row, in which order, and the one message.
#include "staging/row_refusal.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

RowEntries Filled() {
  return {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"};
}

std::string ReasonOf(RowField field, std::string_view entry) {
  std::optional<FieldRefusal> refusal = DimensionRefusal(field, entry);
  return refusal ? refusal->reason : "";
}

TEST(DimensionRefusal, LengthMustBeMoreThanZero) {
  const char* kRefused[] = {"", "0", "-6", "-6.50", "0-0", "-1-2", "0 0/3"};
  for (const char* entry : kRefused) {
    EXPECT_EQ(ReasonOf(RowField::kL, entry),
              "an angle's length must be more than 0")
        << entry;
    EXPECT_EQ(ReasonOf(RowField::kH, entry), "") << entry;
  }
  for (const char* entry : {"1/64", "0.001", "10-11 15/16", "-6x"}) {
    // "-6x" reads as nothing: unreadable rather than too short.
    std::string reason = ReasonOf(RowField::kL, entry);
    EXPECT_EQ(reason.empty(), std::string(entry) != "-6x") << entry;
  }
}

// Entries the reader reads only in part: the row is refused, and the reason
// says what would have been read and what not.
TEST(DimensionRefusal, EntriesReadOnlyInPart) {
  const struct {
    const char* entry;
    const char* reason;
  } cases[] = {
      {"1'6\"",
       "'6\" is not part of a dimension; 1'6\" would be read as 1 in "
       "(write feet and inches as 1-6)"},
      {"6\"",
       "\" is not part of a dimension; 6\" would be read as 6 in "
       "(write inches without the mark, as 6)"},
      {"1,5",
       ",5 is not part of a dimension; 1,5 would be read as 1 in "
       "(write decimals with a point and no thousands separator)"},
      {"12mm", "mm is not part of a dimension; 12mm would be read as 12 in"},
      {"abc", "abc is not part of a dimension; abc would be read as 0 in"},
      {"1 2", "2 is not part of a dimension; 1 2 would be read as 1 in"},
      {"1-2-8", "-8 is not part of a dimension; 1-2-8 would be read as 14 in"},
      {"2\t6",
       "\\t6 is not part of a dimension; 2\\t6 would be read as 26 in "
       "(a dimension is one line, without tabs or line breaks)"},
      {"10\x96"
       "6 1/2",
       "\x96"
       "6 1/2 is not part of a dimension; 10\x96"
       "6 1/2 would be read as 10.5 in (type the minus sign "
       "with the - key, as 10-6 1/2)"},
      {"1O",
       "O is not part of a dimension; 1O would be read as 1 in (the "
       "letter O is not a zero: write 10)"},
      {"5 3/0",
       "3/0 is not part of a dimension; 5 3/0 would be read as 5 in "
       "(a fraction's denominator cannot be 0)"},
      {"1.5e", "e is not part of a dimension; 1.5e would be read as 1.5 in"},
      {"+", "+ is not part of a dimension; + would be read as 0 in"},
  };
  for (const auto& c : cases) {
    std::optional<FieldRefusal> refusal =
        DimensionRefusal(RowField::kH, c.entry);
    ASSERT_TRUE(refusal) << c.entry;
    EXPECT_EQ(refusal->reason, c.reason);
    EXPECT_TRUE(refusal->unreadable) << c.entry;
  }
  // The forms' boundaries, and the entries above as mended: whole forms.
  for (const char* entry :
       {"5",     "5.",   ".5",    "12.25",   "1e3",      "1E+2",   "2.5e1",
        "+5",    "-5",   "3/4",   "-3/4",    "1 1/2",    "1  1/2", "1-0 1/2",
        "2 - 6", "1-",   "1.5-6", "0-0 3/4", "1-1/3",    "-1-2",   "  7  ",
        "",      "1/10", "-0-6",  "1-6",     "10-6 1/2", "10",     "1 -6"}) {
    EXPECT_EQ(ReasonOf(RowField::kH, entry), "") << entry;
  }
}

TEST(DimensionRefusal, SizesNoBuildingHas) {
  for (const char* entry : {"1000001", "1e7", "-1000001", "83334-0", "1e308"}) {
    EXPECT_NE(ReasonOf(RowField::kV1, entry).find("1,000,000 in"),
              std::string::npos)
        << entry;
  }
  for (const char* entry : {"1000000", "-1000000", "83333-4"}) {
    EXPECT_EQ(ReasonOf(RowField::kV1, entry), "") << entry;
  }
  RowEntries row = Filled();
  row.v1 = "600000";
  row.l = "600000";
  std::vector<FieldRefusal> refusals = RowRefusals(row, "Left End");
  ASSERT_EQ(refusals.size(), 1u);
  EXPECT_EQ(refusals[0].field, RowField::kV1);
  EXPECT_EQ(refusals[0].reason,
            "V1 + L is 1200000 in; it must lie within 1,000,000 in of 0");
  row.v1 = "6";
  row.v2 = "-1e6";
  row.l = "-1";
  EXPECT_EQ(RowRefusals(row, "Left End").size(), 1u);  // L itself
}

TEST(RowRefusals, EveryBadEntryInRowOrder) {
  RowEntries entries = {"a-b", "--6", "9", "", "0", "", ""};
  std::vector<FieldRefusal> refusals = RowRefusals(entries, "");
  std::vector<RowField> fields;
  for (const FieldRefusal& refusal : refusals) fields.push_back(refusal.field);
  EXPECT_EQ(fields,
            (std::vector<RowField>{
                RowField::kH, RowField::kV1, RowField::kSection, RowField::kL,
                RowField::kLeg, RowField::kPair, RowField::kEnd}));
  EXPECT_TRUE(RowRefusals(Filled(), "BOTH Ends").empty());
  EXPECT_EQ(RowRefusals(Filled(), "Both ends").size(), 1u);
}

TEST(RefusalMessage, OneLinePerFieldAndTheFormsOnlyForUnreadableEntries) {
  RowEntries entries = Filled();
  entries.h = "a-b";
  entries.l = "-6";
  EXPECT_EQ(RefusalMessage(3, RowRefusals(entries)),
            "No macro was written for row 3:\n"
            "H: cannot read \"a-b\".\n"
            "L: an angle's length must be more than 0.\n"
            "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet "
            "and inches).");
  entries.h = "1'6\"";
  entries.l = "6";
  EXPECT_EQ(RefusalMessage(3, RowRefusals(entries)),
            "No macro was written for row 3:\n"
            "H: '6\" is not part of a dimension; 1'6\" would be read as 1 in "
            "(write feet and inches as 1-6).\n"
            "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet "
            "and inches).");
  entries = Filled();
  entries.leg = "";
  EXPECT_EQ(RefusalMessage(1, RowRefusals(entries)),
            "No macro was written for row 1:\n"
            "OSL: choose the outstanding leg, Short or Long.");
}

}  // namespace
}  // namespace vpa
