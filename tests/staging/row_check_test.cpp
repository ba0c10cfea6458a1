// The row check: which entries refuse a row, in which order, and the one
// message; or the checked row, read once.
#include "staging/row_check.h"

#include <gtest/gtest.h>

#include "catalogue/angle_catalogue.h"
#include "units/dimension.h"

namespace vpa {
namespace {

RowEntries Filled() {
  return {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"};
}

std::string ReasonOf(RowField field, std::string_view entry) {
  std::optional<FieldRefusal> refusal = CheckDimension(field, entry).refusal;
  return refusal ? refusal->reason : "";
}

// The number a staged text reads back as through the reader.
double ReadBack(const std::string& staged) {
  return AsNumber(ParseDimension(staged).value());
}

TEST(CheckDimension, StagedTextsAndTheirNumbers) {
  struct Case {
    const char *entry, *staged;
  } cases[] = {{"18.5", "18.5"},
               {"18.50", "18.5"},
               {"1 1/2", "1.5"},
               {"1-0 1/2", "12.5"},
               {"1/3", "0.333333333333333"},
               {"-1/3", "-0.333333333333333"},
               {"", "0"},
               {"-6.50", "-6.50"},
               {" -6.5e1 ", " -6.5e1 "},
               {"abc", "0"},
               {"  7  ", "7"}};
  for (const Case& c : cases) {
    const std::optional<CheckedDimension> checked =
        CheckDimension(RowField::kH, c.entry).dimension;
    ASSERT_TRUE(checked) << c.entry;
    EXPECT_EQ(checked->typed, c.entry);
    EXPECT_EQ(checked->staged, c.staged) << c.entry;
    // Exactly the number the staged text reads back as, not the entry's
    // own: the writers' sums are made of staged values.
    EXPECT_EQ(checked->inches, ReadBack(checked->staged)) << c.entry;
  }
}

TEST(CheckDimension, UnreadableEntriesNameTheEntry) {
  for (const char* entry : {"a-b", "-", "--6", "1 1/2-3", "1e999"}) {
    const DimensionCheck check = CheckDimension(RowField::kV2, entry);
    EXPECT_FALSE(check.dimension) << entry;
    ASSERT_TRUE(check.refusal) << entry;
    EXPECT_EQ(check.refusal->field, RowField::kV2);
    EXPECT_TRUE(check.refusal->unreadable);
    EXPECT_EQ(check.refusal->reason.rfind(
                  std::string("cannot read \"") + entry + "\"", 0),
              0u)
        << check.refusal->reason;
  }
}

TEST(CheckRow, ChecksEveryFieldOnce) {
  const RowCheck check = CheckRow(
      {"1-0 1/2", "6", "1/3", "L4x4x1/2", "120", "Short", "1"}, kBothEnds);
  ASSERT_TRUE(check.row);
  const CheckedRow& row = *check.row;
  EXPECT_EQ(row.h.typed, "1-0 1/2");
  EXPECT_EQ(row.h.staged, "12.5");
  EXPECT_EQ(row.h.inches, 12.5);
  EXPECT_EQ(row.v1.staged, "6");
  EXPECT_EQ(row.v2.staged, "0.333333333333333");
  EXPECT_EQ(row.v2.inches, 0.333333333333333);
  EXPECT_EQ(row.l.inches, 120);
  EXPECT_EQ(row.section, "L4x4x1/2");
  EXPECT_EQ(row.leg, "Short");
  EXPECT_TRUE(row.single);
  EXPECT_EQ(row.end, EndChoice::kBoth);
}

// Pair "1" places one angle at each end: any Pair text holding a "1".
TEST(CheckRow, EndAndPairChoices) {
  const struct {
    const char* pair;
    std::string_view end;
    bool single;
    EndChoice choice;
  } cases[] = {{"1", kRightEnd, true, EndChoice::kRight},
               {"2", kLeftEnd, false, EndChoice::kLeft},
               {"12", kBothEnds, true, EndChoice::kBoth}};
  for (const auto& c : cases) {
    RowEntries entries = Filled();
    entries[RowField::kPair] = c.pair;
    const RowCheck check = CheckRow(entries, c.end);
    ASSERT_TRUE(check.row) << c.pair;
    EXPECT_EQ(check.row->single, c.single) << c.pair;
    EXPECT_EQ(check.row->end, c.choice) << c.end;
  }
}

TEST(CheckDimension, LengthMustBeMoreThanZero) {
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
TEST(CheckDimension, EntriesReadOnlyInPart) {
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
      {"1/0.5", "/0.5 is not part of a dimension; 1/0.5 would be read as 2 in"},
      {"1.5e", "e is not part of a dimension; 1.5e would be read as 1.5 in"},
      {"+", "+ is not part of a dimension; + would be read as 0 in"},
  };
  for (const auto& c : cases) {
    std::optional<FieldRefusal> refusal =
        CheckDimension(RowField::kH, c.entry).refusal;
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

TEST(CheckDimension, SizesNoBuildingHas) {
  for (const char* entry : {"1000001", "1e7", "-1000001", "83334-0", "1e308"}) {
    EXPECT_NE(ReasonOf(RowField::kV1, entry).find("1,000,000 in"),
              std::string::npos)
        << entry;
  }
  for (const char* entry : {"1000000", "-1000000", "83333-4"}) {
    EXPECT_EQ(ReasonOf(RowField::kV1, entry), "") << entry;
  }
  RowEntries row = Filled();
  row[RowField::kV1] = "600000";
  row[RowField::kL] = "600000";
  std::vector<FieldRefusal> refusals = CheckRow(row, "Left End").refusals;
  ASSERT_EQ(refusals.size(), 1u);
  EXPECT_EQ(refusals[0].field, RowField::kV1);
  EXPECT_EQ(refusals[0].reason,
            "V1 + L is 1200000 in; it must lie within 1,000,000 in of 0");
  row[RowField::kV1] = "6";
  row[RowField::kV2] = "-1e6";
  row[RowField::kL] = "-1";
  EXPECT_EQ(CheckRow(row, "Left End").refusals.size(), 1u);  // L itself
}

TEST(CheckRow, EveryBadEntryInRowOrder) {
  RowEntries entries = {"a-b", "--6", "9", "", "0", "", ""};
  const RowCheck check = CheckRow(entries, "");
  EXPECT_FALSE(check.row);
  const std::vector<FieldRefusal>& refusals = check.refusals;
  std::vector<RowField> fields;
  for (const FieldRefusal& refusal : refusals) fields.push_back(refusal.field);
  EXPECT_EQ(fields,
            (std::vector<RowField>{
                RowField::kH, RowField::kV1, RowField::kSection, RowField::kL,
                RowField::kLeg, RowField::kPair, RowField::kEnd}));
  EXPECT_TRUE(CheckRow(Filled(), "BOTH Ends").refusals.empty());
  EXPECT_EQ(CheckRow(Filled(), "Both ends").refusals.size(), 1u);
  EXPECT_EQ(CheckRow(Filled(), "Right End ").refusals.size(), 1u);
}

TEST(RefusalMessage, OneLinePerFieldAndTheFormsOnlyForUnreadableEntries) {
  RowEntries entries = Filled();
  entries[RowField::kH] = "a-b";
  entries[RowField::kL] = "-6";
  EXPECT_EQ(RefusalMessage(3, CheckRow(entries, kLeftEnd).refusals),
            "No macro was written for row 3:\n"
            "H: cannot read \"a-b\".\n"
            "L: an angle's length must be more than 0.\n"
            "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet "
            "and inches).");
  entries[RowField::kH] = "1'6\"";
  entries[RowField::kL] = "6";
  EXPECT_EQ(RefusalMessage(3, CheckRow(entries, kLeftEnd).refusals),
            "No macro was written for row 3:\n"
            "H: '6\" is not part of a dimension; 1'6\" would be read as 1 in "
            "(write feet and inches as 1-6).\n"
            "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet "
            "and inches).");
  entries = Filled();
  entries[RowField::kLeg] = "";
  EXPECT_EQ(RefusalMessage(1, CheckRow(entries, kLeftEnd).refusals),
            "No macro was written for row 1:\n"
            "OSL: choose the outstanding leg, Short or Long.");
}

}  // namespace
}  // namespace vpa
