// Unreadable stored fields: which, why, and which Runs they stop.
#include "form/unreadable_fields.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "test_folder.h"

namespace vpa {
namespace {

TEST(UnreadableFields, ListsThemInSaveOrderAndRefusesTheirRows) {
  testing::TestFolder test;
  const std::string utf16("\xFF\xFE"
                          "1\0",
                          4);
  test.Write("TextFiles/Pair3.TXT", utf16);
  test.Write("TextFiles/W3.TXT", utf16);
  test.Write("TextFiles/H1.TXT", "12\r\n");
  std::filesystem::create_directory(test.root() / "TextFiles" / "BS.TXT");
  const std::vector<UnreadableField> unreadable =
      UnreadableFields(test.folder());
  ASSERT_EQ(unreadable.size(), 3u);
  EXPECT_EQ(unreadable[0].field->name, "W3");
  EXPECT_EQ(unreadable[1].field->name, "Pair3");
  EXPECT_EQ(unreadable[2].field->name, "BS");
  EXPECT_EQ(unreadable[0].file, test.folder().FieldFile("W3"));
  EXPECT_EQ(unreadable[0].reason, "it is stored as UTF-16 text");
  EXPECT_EQ(unreadable[2].reason, "it is not a regular file");
  const struct {
    int row;
    std::vector<RowField> refused;
  } cases[] = {{1, {RowField::kEnd}},
               {3, {RowField::kV2, RowField::kPair, RowField::kEnd}}};
  for (const auto& c : cases) {
    std::vector<FieldRefusal> refusals = UnreadableRefusals(c.row, unreadable);
    ASSERT_EQ(refusals.size(), c.refused.size()) << c.row;
    for (size_t i = 0; i < refusals.size(); ++i) {
      EXPECT_EQ(refusals[i].field, c.refused[i]);
    }
  }
  EXPECT_EQ(UnreadableReading(unreadable[0]),
            "The saved value in " + PathText(test.folder().FieldFile("W3")) +
                " cannot be read (it is stored as UTF-16 text); type the "
                "entry again");
}

}  // namespace
}  // namespace vpa
