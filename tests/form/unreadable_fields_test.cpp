// Unreadable stored fields: which, why, and which Runs they stop.
#include "form/unreadable_fields.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/files.h"
#include "form/form_state.h"
#include "test_folder.h"

namespace vpa {
namespace {

TEST(UnreadableFields, RefuseTheirRowsNamingFileAndReason) {
  testing::TestFolder test;
  // Under a name the store's code page lacks, which the message keeps.
  const ProgramFolder folder(test.root() / u8"\u0141\u00f3d\u017a");
  std::filesystem::create_directories(folder.FieldFile("").parent_path());
  std::filesystem::create_directory(folder.FieldFile("BS"));
  std::ofstream(folder.FieldFile("W3")) << std::string("\xFF\xFE\x31\0", 4);
  std::ofstream(folder.FieldFile("H1")) << "12\r\n";
  const std::vector<UnreadableField> unreadable = UnreadableFields(folder);
  ASSERT_EQ(unreadable.size(), 2u);
  EXPECT_EQ(unreadable[0].field->name, "W3");
  EXPECT_EQ(unreadable[1].field->name, "BS");
  const std::string w3 = PathText(folder.FieldFile("W3"));
  const std::string bs = PathText(folder.FieldFile("BS"));
  const FormState saved = LoadFormState(folder);
  // The row's other refusals follow, so one message names every entry.
  EXPECT_EQ(UnreadableRowMessage(3, unreadable, saved),
            "No macro was written for row 3:\nV2: the saved value in " + w3 +
                " cannot be read (it is stored as UTF-16 text).\nADD ANGLES "
                "TO: the saved value in " +
                bs +
                " cannot be read (it is not a regular file).\nMATERIAL: "
                "choose the angle section.\nL: an angle's length must be "
                "more than 0.\nOSL: choose the outstanding leg, Short or "
                "Long.\nPairs: choose 1 (one angle at each end) or 2 (a "
                "pair).");
  EXPECT_EQ(UnreadableRowMessage(2, {unreadable[0]}, saved), "");
  EXPECT_EQ(UnreadableReading(unreadable[0]),
            "The saved value in " + w3 +
                " cannot be read (it is stored as UTF-16 text); type the "
                "entry again");
}

}  // namespace
}  // namespace vpa
