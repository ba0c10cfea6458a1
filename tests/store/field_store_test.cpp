// The field store: exact bytes, forgiving reads, and saves that never lose
// a value.
#include "store/field_store.h"

#include <gtest/gtest.h>

#include "failing_file_system.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::FailingFileSystem;
using testing::TestFolder;
using Call = FailingFileSystem::Call;

TEST(SaveField, ExactBytes) {
  TestFolder test;
  SaveField(test.folder(), "H1", "12.5");
  SaveField(test.folder(), "W3", "");
  SaveField(test.folder(), "MAT2", 2);
  SaveField(test.folder(), "BS", -1);
  SaveField(test.folder(), "Pair1", 130);
  EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "12.5\r\n");
  EXPECT_EQ(test.Read("TextFiles/W3.TXT"), "\r\n");
  EXPECT_EQ(test.Read("TextFiles/MAT2.TXT"), " 2 \r\n");
  EXPECT_EQ(test.Read("TextFiles/BS.TXT"), "-1 \r\n");
  EXPECT_EQ(test.Read("TextFiles/Pair1.TXT"), " 130 \r\n");
}

TEST(SaveField, RoundTrips) {
  TestFolder test;
  struct Case {
    const char *saved, *loaded;
  } cases[] = {{"12.5", "12.5"},
               {"", ""},
               {"  1-0 1/2  ", "1-0 1/2"},
               {"a  b", "a  b"},
               {"\t7\t", "\t7\t"}};
  for (const Case& c : cases) {
    SaveField(test.folder(), "H1", c.saved);
    EXPECT_EQ(LoadField(test.folder(), "H1"), c.loaded) << c.saved;
  }
  SaveField(test.folder(), "BS", 2);
  EXPECT_EQ(LoadField(test.folder(), "BS"), "2");
  SaveField(test.folder(), "BS", -1);
  EXPECT_EQ(LoadField(test.folder(), "BS"), "-1");
}

TEST(LoadField, TakesTheLastLineTrimmed) {
  TestFolder test;
  struct Case {
    std::string bytes;
    const char* loaded;
  } cases[] = {
      {"first\r\nlast\r\n", "last"},
      {"first\nlast", "last"},
      {"first\rlast\r", "last"},
      {"text\r\n   \r\n", ""},
      {"", ""},
      {"\r\n", ""},
      {" 4 ", "4"},
      {"a\r\n\r\n", ""},
  };
  for (const Case& c : cases) {
    test.Write("TextFiles/L1.TXT", c.bytes);
    EXPECT_EQ(LoadField(test.folder(), "L1"), c.loaded);
  }
  test.Write("TextFiles/L1.TXT", std::string("\0\xff x \r\n", 7));
  EXPECT_EQ(LoadField(test.folder(), "L1"), std::string("\0\xff x", 4));
}

TEST(SaveField, RefusesALineBreakAndKeepsTheFormerValue) {
  TestFolder test;
  SaveField(test.folder(), "H1", "12");
  for (const char* text : {"1-0 1/2\n", "1-0 1/2\r\n", "a\rb", "\n"}) {
    EXPECT_FALSE(SaveField(test.folder(), "H1", text).ok()) << text;
    EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "12\r\n");
  }
}

TEST(LoadField, ByteOrderMarks) {
  TestFolder test;
  const struct {
    std::string bytes;
    const char* loaded;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "1-0 1/2\r\n",
       "1-0 1/2"},
      {"\xEF\xBB\xBF\r\n", ""},
      {"\xEF\xBB\xBF"
       "a\r\nb",
       "b"},
      {std::string("\xFF\xFE"
                   "1\0\r\0\n\0",
                   8),
       ""},
      {std::string("\xFE\xFF\0"
                   "1",
                   4),
       ""},
  };
  for (const auto& c : cases) {
    test.Write("TextFiles/L1.TXT", c.bytes);
    EXPECT_EQ(LoadField(test.folder(), "L1"), c.loaded);
  }
}

TEST(LoadField, MissingFileOrFolderReadsEmpty) {
  TestFolder test;
  EXPECT_EQ(LoadField(test.folder(), "V4"), "");
  std::filesystem::remove(test.root() / "TextFiles");
  EXPECT_EQ(LoadField(test.folder(), "V4"), "");
}

// An unreadable file is told apart from a missing one, with the reason.
TEST(LoadStoredField, TellsWhyAFileCannotBeRead) {
  const std::pair<std::string, const char*> cases[] = {
      {"<missing>", ""},
      {std::string("\xFE\xFF\0\x31", 4), "it is stored as UTF-16 text"},
      {std::string(kMaxFieldLine + 1, '1'),
       "its last line is longer than 1 MiB"},
      {"<folder>", "it is not a regular file"},
  };
  for (const auto& [bytes, unreadable] : cases) {
    TestFolder test;
    if (bytes == "<folder>") {
      std::filesystem::create_directory(test.folder().FieldFile("H1"));
    } else if (bytes != "<missing>") {
      test.Write("TextFiles/H1.TXT", bytes);
    }
    StoredFieldText stored = LoadStoredField(test.folder(), "H1");
    EXPECT_EQ(stored.text, "");
    EXPECT_EQ(stored.unreadable.value_or(""), unreadable);
  }
  TestFolder test;
  test.Write("TextFiles/H1.TXT", "12\r\n");
  EXPECT_EQ(LoadStoredField(test.folder(), "H1").text, "12");
  const struct {
    Call call;
    std::errc error;
    const char* reason;
  } failures[] = {
      {Call::kOpenToRead, std::errc::permission_denied, "Permission denied"},
      {Call::kRead, std::errc::io_error, "Input/output error"},
  };
  for (const auto& f : failures) {
    FailingFileSystem failing(f.call, f.error);
    EXPECT_EQ(LoadStoredField(test.folder(), "H1").unreadable.value_or(""),
              f.reason);
  }
}

TEST(SaveField, MissingFolderChangesNothing) {
  TestFolder test;
  std::filesystem::remove(test.root() / "TextFiles");
  SaveField(test.folder(), "H1", "12");
  SaveField(test.folder(), "BS", 1);
  EXPECT_FALSE(std::filesystem::exists(test.root() / "TextFiles"));
}

TEST(SaveField, FailedSaveKeepsTheFormerValue) {
  TestFolder test;
  SaveField(test.folder(), "H1", "12");
  struct Case {
    Call call;
    std::errc error;
    ErrorCode code;
  } cases[] = {
      {Call::kCreateNew, std::errc::permission_denied, ErrorCode::kNoAccess},
      {Call::kWrite, std::errc::no_space_on_device, ErrorCode::kNoSpace},
      {Call::kRename, std::errc::read_only_file_system,
       ErrorCode::kReadOnlyFileSystem},
  };
  for (const Case& c : cases) {
    FailingFileSystem failing(c.call, c.error);
    Status saved = SaveField(test.folder(), "H1", "13");
    EXPECT_EQ(saved.ok() ? ErrorCode::kRefusedEntry : saved.code(), c.code);
    EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "12\r\n");
  }
  Status saved = SaveField(test.folder(), "H1", "1\n3");
  EXPECT_EQ(saved.ok() ? ErrorCode::kRefusedEntry : saved.code(),
            ErrorCode::kLineBreak);
  EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "12\r\n");
}

TEST(StoredIndex, WholeNumbersInRangeOnly) {
  struct Case {
    const char* stored;
    int index;
  } cases[] = {{"0", 0},   {"2", 2},   {"3", -1},          {"-1", -1},
               {"-2", -1}, {"", -1},   {"x", -1},          {"1.5", -1},
               {"2 ", -1}, {"+1", -1}, {"99999999999", -1}};
  for (const Case& c : cases)
    EXPECT_EQ(StoredIndex(c.stored, 3), c.index) << c.stored;
}

TEST(SaveFailureMessage, NamesTheFolderInUtf8AndTheReason) {
  const ProgramFolder folder(std::filesystem::path(u"D\u00e9tailleur") / "VPA");
  const std::string message = SaveFailureMessage(
      folder,
      Error{"Cannot write x/H1.TXT: No such file or directory",
            ErrorCode::kNotFound, "x/H1.TXT", "No such file or directory"});
  const std::string separator(1,
                              char(std::filesystem::path::preferred_separator));
  EXPECT_EQ(message, "Your entries could not be saved in D\xc3\xa9tailleur" +
                         separator + "VPA" + separator +
                         "TextFiles (No such file or directory); the values "
                         "saved before are kept.");
}

}  // namespace
}  // namespace vpa
