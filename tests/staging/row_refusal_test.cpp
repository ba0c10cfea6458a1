// Which entries refuse a row, in which order, and the one message.
#include "staging/row_refusal.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

RowEntries Filled() {
  return {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"};
}

TEST(DimensionRefusal, LengthMustBeMoreThanZero) {
  const char* kRefused[] = {"",      "0",   "abc", "-6",
                            "-6.50", "0-0", "1/0", "-1-2"};
  for (const char* entry : kRefused) {
    EXPECT_EQ(DimensionRefusal(RowField::kL, entry),
              "an angle's length must be more than 0")
        << entry;
    EXPECT_EQ(DimensionRefusal(RowField::kH, entry), std::nullopt) << entry;
  }
  for (const char* entry : {"1/64", "0.001", "10-11 15/16", "-6x"}) {
    // "-6x" reads as nothing: unreadable rather than too short.
    std::optional<std::string> refusal = DimensionRefusal(RowField::kL, entry);
    EXPECT_EQ(refusal.has_value(), std::string(entry) == "-6x") << entry;
  }
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
  entries = Filled();
  entries.leg = "";
  EXPECT_EQ(RefusalMessage(1, RowRefusals(entries)),
            "No macro was written for row 1:\n"
            "OSL: choose the outstanding leg, Short or Long.");
}

}  // namespace
}  // namespace vpa
