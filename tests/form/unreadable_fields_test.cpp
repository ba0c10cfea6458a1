// Unreadable stored fields: which, why, and which Runs they stop.
#include "form/unreadable_fields.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "test_folder.h"

namespace vpa {
namespace {

TEST(UnreadableFields, ListsThemInSaveOrderAndRefusesTheirRows) {
  testing::TestFolder test;
  const std::string utf16(
      "\xFF\xFE"
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
  const std::string w3 = PathText(test.folder().FieldFile("W3"));
  const std::string pair3 = PathText(test.folder().FieldFile("Pair3"));
  const std::string bs = PathText(test.folder().FieldFile("BS"));
  const struct {
    int row;
    std::string message;
  } cases[] = {
      {1,
       "No macro was written for row 1:\nADD ANGLES TO: the saved value in " +
           bs + " cannot be read (it is not a regular file)."},
      {3,
       "No macro was written for row 3:\nV2: the saved value in " + w3 +
           " cannot be read (it is stored as UTF-16 text).\nPairs: the saved "
           "value in " +
           pair3 +
           " cannot be read (it is stored as UTF-16 text).\nADD ANGLES TO: "
           "the saved value in " +
           bs + " cannot be read (it is not a regular file)."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnreadableRowMessage(c.row, unreadable), c.message);
  }
  EXPECT_EQ(UnreadableRowMessage(2, {unreadable[0]}), "");
  EXPECT_EQ(UnreadableReading(unreadable[0]),
            "The saved value in " + PathText(test.folder().FieldFile("W3")) +
                " cannot be read (it is stored as UTF-16 text); type the "
                "entry again");
}

TEST(UnreadableFields, MessageSpellsAFolderOfAnyName) {
  testing::TestFolder test;
  const ProgramFolder folder(test.root() / u8"\u0141\u00f3d\u017a");
  std::filesystem::create_directories(folder.FieldFile("H1").parent_path());
  std::filesystem::create_directory(folder.FieldFile("H1"));
  const std::string message = UnreadableRowMessage(1, UnreadableFields(folder));
  EXPECT_NE(message.find(PathText(folder.FieldFile("H1"))), std::string::npos)
      << message;
}

}  // namespace
}  // namespace vpa
