// The form state against the field store: all 36 fields come back as they
// were saved, under their names, in their order and bytes.
#include "form/form_state.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/angle_catalogue.h"
#include "failing_file_system.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

// The stored field named `name` ("MAT2").
const StoredField& Field(std::string_view name) {
  for (const StoredField& field : StoredFields()) {
    if (field.name == name) return field;
  }
  throw std::invalid_argument(std::string(name));
}

FormState Sample() {
  FormState state;
  for (int row = 1; row <= kRowCount; ++row) {
    const std::string n = std::to_string(row);
    state.rows[row - 1] = {"h" + n,
                           "1-0 1/" + n,
                           "",
                           std::string(kAngleCatalogue[row * 20]),
                           "  spaced" + n,
                           std::string(kLegChoices[row % 2]),
                           row == 3 ? "" : "2"};
  }
  state.end = kRightEnd;
  return state;
}

TEST(StoredFields, AreTheThirtySixInSaveOrder) {
  std::vector<std::string> expected;
  for (const char* stem : {"H", "V", "W", "L", "MAT", "OSL", "Pair"}) {
    for (int row = 1; row <= kRowCount; ++row) {
      expected.push_back(stem + std::to_string(row));
    }
  }
  expected.push_back("BS");
  std::vector<std::string> names;
  for (const StoredField& field : StoredFields()) names.push_back(field.name);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(StoredFields()[25].items.size(), 2u);    // OSL1
  EXPECT_EQ(StoredFields()[20].items.size(), 131u);  // MAT1
  EXPECT_EQ(StoredFields()[35].items.size(), 3u);    // BS
}

TEST(FormState, RoundTripsThroughTheStore) {
  TestFolder test;
  FormState saved = Sample();
  SaveFormState(test.folder(), saved);
  FormState expected = saved;
  // The store trims spaces at a text's ends.
  for (int row = 1; row <= kRowCount; ++row) {
    expected.rows[row - 1][RowField::kL] = "spaced" + std::to_string(row);
  }
  EXPECT_EQ(LoadFormState(test.folder()), expected);
  EXPECT_EQ(test.Read("TextFiles/V2.TXT"), "1-0 1/2\r\n");
  EXPECT_EQ(test.Read("TextFiles/W5.TXT"), "\r\n");
  EXPECT_EQ(test.Read("TextFiles/MAT4.TXT"), " 80 \r\n");
  EXPECT_EQ(test.Read("TextFiles/Pair3.TXT"), "-1 \r\n");
  EXPECT_EQ(test.Read("TextFiles/BS.TXT"), " 2 \r\n");
}

TEST(FormState, AnEmptyStoreGivesEmptyTextsAndNoSelections) {
  TestFolder test;
  EXPECT_EQ(LoadFormState(test.folder()), FormState());
}

TEST(FormState, PositionsOutsideTheirListsSelectNothing) {
  TestFolder test;
  const struct {
    const char* name;
    const char* stored;
  } fields[] = {{"MAT1", "131"}, {"OSL1", "2"},   {"Pair1", "x"},
                {"BS", "3"},     {"MAT2", "130"}, {"OSL2", "1"}};
  for (const auto& [name, stored] : fields) {
    test.Write(std::string("TextFiles/") + name + ".TXT", stored);
  }
  FormState state = LoadFormState(test.folder());
  for (const char* name : {"MAT1", "OSL1", "Pair1", "BS"}) {
    EXPECT_EQ(TextOf(state, Field(name)), "") << name;
    EXPECT_EQ(IndexOf(state, Field(name)), -1) << name;
  }
  EXPECT_EQ(IndexOf(state, Field("MAT2")), 130);
  EXPECT_EQ(state.rows[1][RowField::kSection], kAngleCatalogue[130]);
  EXPECT_EQ(state.rows[1][RowField::kLeg], "Long");
}

// A field whose file exists but cannot be read (here a folder in its place)
// is saved only once its value changed, and then its failure is told.
TEST(StoredForm, UnreadableFieldsAreKeptUntilChanged) {
  TestFolder test;
  std::filesystem::create_directory(test.root() / "TextFiles" / "H1.TXT");
  std::filesystem::create_directory(test.root() / "TextFiles" / "MAT2.TXT");
  StoredForm stored(test.folder());
  FormState state = stored.Load();
  EXPECT_EQ(state.rows[0][RowField::kH], "");
  EXPECT_EQ(state.rows[1][RowField::kSection], "");
  EXPECT_TRUE(stored.Save(state).ok());
  EXPECT_TRUE(std::filesystem::is_directory(test.root() / "TextFiles/H1.TXT"));

  SetIndex(state, Field("MAT2"), 4);
  SetIndex(state, Field("BS"), 1);
  Status saved = stored.Save(state);
  EXPECT_FALSE(saved.ok());
  EXPECT_NE(saved.error().find("MAT2"), std::string::npos) << saved.error();
  EXPECT_EQ(test.Read("TextFiles/BS.TXT"), " 1 \r\n");
}

// Two windows on one folder: each writes only what changed in it, so the
// one that closes last does not put back the values it merely showed.
TEST(StoredForm, SavesOnlyWhatChangedSinceLoadOrSave) {
  TestFolder test;
  SaveFormState(test.folder(), Sample());
  StoredForm first(test.folder());
  StoredForm second(test.folder());
  FormState in_first = first.Load();
  FormState in_second = second.Load();
  in_second.rows[0][RowField::kH] = "7";
  SetIndex(in_second, Field("MAT3"), 9);
  ASSERT_TRUE(second.Save(in_second).ok());
  in_first.rows[4][RowField::kV1] = "2-6";
  ASSERT_TRUE(first.Save(in_first).ok());
  FormState loaded = LoadFormState(test.folder());
  EXPECT_EQ(loaded.rows[0][RowField::kH], "7");
  EXPECT_EQ(IndexOf(loaded, Field("MAT3")), 9);
  EXPECT_EQ(loaded.rows[4][RowField::kV1], "2-6");
  // Saved once, a value counts as stored: a change back is saved again.
  in_first.rows[4][RowField::kV1] = Sample().rows[4][RowField::kV1];
  ASSERT_TRUE(first.Save(in_first).ok());
  EXPECT_EQ(LoadFormState(test.folder()).rows[4][RowField::kV1],
            Sample().rows[4][RowField::kV1]);
}

// Saves as entries are typed tell a failure once, until one succeeds, and
// keep trying: the changed entry is saved once the folder takes it.
TEST(StoredForm, SaveAsTypedTellsAFailureOnceAndTriesAgain) {
  TestFolder test;
  StoredForm stored(test.folder());
  FormState state = stored.Load();
  {
    testing::FailingFileSystem full(testing::FailingFileSystem::Call::kWrite,
                                    std::errc::no_space_on_device);
    state.rows[0][RowField::kH] = "4";
    EXPECT_NE(stored.SaveAsTyped(state).find("could not be saved"),
              std::string::npos);
    state.rows[0][RowField::kH] = "4-4";
    EXPECT_EQ(stored.SaveAsTyped(state), "");
  }
  EXPECT_EQ(stored.SaveAsTyped(state), "");
  EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "4-4\r\n");
}

// The row check takes a loaded row as it is: positions become items.
TEST(FormState, ListPositionsLoadAsTheirItems) {
  TestFolder test;
  SaveField(test.folder(), "MAT2", 7);
  SaveField(test.folder(), "OSL2", 1);
  SaveField(test.folder(), "Pair2", 5);
  SaveField(test.folder(), "BS", 1);
  FormState state = LoadFormState(test.folder());
  EXPECT_EQ(state.rows[1][RowField::kSection], "L1 3/4x1 3/4x1/4");
  EXPECT_EQ(state.rows[1][RowField::kLeg], "Long");
  EXPECT_EQ(state.rows[1][RowField::kPair], "");
  EXPECT_EQ(state.end, "Left End");
  SetIndex(state, Field("BS"), 3);
  EXPECT_EQ(state.end, "");
  EXPECT_EQ(IndexOf(state, Field("BS")), -1);
}

}  // namespace
}  // namespace vpa
