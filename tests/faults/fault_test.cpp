// Faults at the edges of the file system: a command that cannot write or
// read says which file and why, and leaves the former macro byte for byte;
// field files that are odd, damaged or unwritable never stop the store.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#ifdef _WIN32
#include <share.h>
#include <stdio.h>
#endif

#include "base/files.h"
#include "base/system_reason.h"
#include "catalogue/angle_catalogue.h"
#include "failing_file_system.h"
#include "macro/macro_writers.h"
#include "staging/row_check.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

namespace fs = std::filesystem;
using testing::FailingFileSystem;
using testing::TestFolder;
using Call = FailingFileSystem::Call;

constexpr std::string_view kFormer = "former macro\r\n";

// A "BOTH Ends" pair row, which reads all four templates of a pair.
CheckedRow Row() {
  return *CheckRow({"12.5", "6", "9", "L4x4x1/2", "120", "Long", "2"},
                   kBothEnds)
              .row;
}

// A folder holding the shipped templates and a former macro.
class MacroFaultTest : public ::testing::Test {
 protected:
  MacroFaultTest() {
    test_.InstallShippedTemplates();
    test_.Write("0PY/0.PY", kFormer);
  }

  // Runs a "BOTH Ends" pair command, which reads all four templates of a
  // pair, and expects it to fail naming `file` and the reason; returns the
  // failure.
  Status ExpectRefusalNaming(const fs::path& file) {
    Status written = WriteMacro(test_.folder(), Row());
    EXPECT_FALSE(written.ok());
    if (written.ok()) return written;
    EXPECT_EQ(written.path(), file);
    EXPECT_NE(written.reason(), "");
    std::string named = file.string() + ": " + written.reason();
    EXPECT_TRUE(written.error().ends_with(named)) << written.error();
    return written;
  }

  // The macro folder holds the former macro and nothing else.
  void ExpectFormerMacroOnly() {
    EXPECT_EQ(test_.Read("0PY/0.PY"), kFormer);
    auto entries = fs::directory_iterator(test_.root() / "0PY");
    EXPECT_EQ(std::distance(entries, fs::directory_iterator()), 1);
  }

  TestFolder test_;
};

// Each failure the disk can give, whoever runs the test: the command names
// the file and the system's reason, and the former macro stays.
TEST_F(MacroFaultTest, DiskFaultsKeepTheFormerMacro) {
  const fs::path macro = test_.folder().MacroFile();
  const fs::path first = test_.folder().Template("WALLBEARANG.PY");
  const fs::path second = test_.folder().Template("WALLBEARANGr2.PY");
  struct Case {
    Call call;
    std::errc error;
    fs::path named;
    ErrorCode code;
  } cases[] = {
      {Call::kOpenToRead, std::errc::permission_denied, second,
       ErrorCode::kNoAccess},
      {Call::kRead, std::errc::io_error, first, ErrorCode::kOtherSystemFailure},
      {Call::kCreateNew, std::errc::permission_denied, macro,
       ErrorCode::kNoAccess},
      {Call::kCreateNew, std::errc::read_only_file_system, macro,
       ErrorCode::kReadOnlyFileSystem},
      {Call::kWrite, std::errc::no_space_on_device, macro, ErrorCode::kNoSpace},
      {Call::kShortWrite, std::errc::io_error, macro,
       ErrorCode::kOtherSystemFailure},
      {Call::kFlush, std::errc::io_error, macro,
       ErrorCode::kOtherSystemFailure},
      {Call::kRename, std::errc::device_or_resource_busy, macro,
       ErrorCode::kNoAccess},
      // A disk over its quota may tell only when the file is closed.
      {Call::kClose, std::errc::no_space_on_device, macro, ErrorCode::kNoSpace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.call));
    FailingFileSystem failing(c.call, c.error, c.named.filename().string());
    Status written = ExpectRefusalNaming(c.named);
    EXPECT_EQ(written.code(), c.code);
    if (c.call != Call::kShortWrite) {
      EXPECT_EQ(written.reason(), SystemReason(std::make_error_code(c.error)));
    }
    ExpectFormerMacroOnly();
  }
}

// A writer's leftovers are cleared through the file seam; a folder that
// cannot be listed, or a leftover that cannot be removed, stays as it is
// and the save goes on.
TEST(ReplaceFile, LitterThatCannotGoStaysAndTheSaveGoesOn) {
  for (Call call : {Call::kList, Call::kRemove}) {
    SCOPED_TRACE(static_cast<int>(call));
    TestFolder test;
    test.Write("TextFiles/H1.TXT.tmp3861234567", "half");
    FailingFileSystem failing(call, std::errc::permission_denied, "H1.TXT.tmp");
    ASSERT_TRUE(ReplaceFile(test.folder().FieldFile("H1"), "6\r\n").ok());
    EXPECT_EQ(test.Read("TextFiles/H1.TXT"), "6\r\n");
    EXPECT_TRUE(fs::exists(test.root() / "TextFiles/H1.TXT.tmp3861234567"));
  }
}

TEST_F(MacroFaultTest, ReadOnlyMacroFile) {
  fs::path macro = test_.folder().MacroFile();
  fs::permissions(macro, fs::perms::owner_read);
  ExpectRefusalNaming(macro);
  fs::permissions(macro, fs::perms::owner_read | fs::perms::owner_write);
  ExpectFormerMacroOnly();
}

TEST_F(MacroFaultTest, MacroFileIsAFolder) {
  fs::path macro = test_.folder().MacroFile();
  fs::remove(macro);
  fs::create_directory(macro);
  test_.Write("0PY/0.PY/kept", kFormer);
  ExpectRefusalNaming(macro);
  EXPECT_EQ(test_.Read("0PY/0.PY/kept"), kFormer);
  auto entries = fs::directory_iterator(test_.root() / "0PY");
  EXPECT_EQ(std::distance(entries, fs::directory_iterator()), 1);
}

TEST_F(MacroFaultTest, MacroFolderIsAFile) {
  fs::path folder = test_.root() / "0PY";
  fs::remove_all(folder);
  test_.Write("0PY", kFormer);
  ExpectRefusalNaming(test_.folder().MacroFile());
  EXPECT_EQ(test_.Read("0PY"), kFormer);
}

TEST_F(MacroFaultTest, TemplateIsAFolder) {
  fs::path second = test_.folder().Template("WALLBEARANGr2.PY");
  fs::remove(second);
  fs::create_directory(second);
  ExpectRefusalNaming(second);
  ExpectFormerMacroOnly();
}

TEST_F(MacroFaultTest, LockedMacroFileOnWindows) {
#ifdef _WIN32
  // Held open by another program that shares nothing, as an editor might.
  FILE* held = _wfsopen(test_.folder().MacroFile().c_str(), L"rb", _SH_DENYRW);
  ASSERT_NE(held, nullptr);
  ExpectRefusalNaming(test_.folder().MacroFile());
  fclose(held);
  ExpectFormerMacroOnly();
#else
  GTEST_SKIP() << "files cannot be locked against replacement here";
#endif
}

// Field files as an editor, another program or a damaged disk leave them.
TEST(FieldFileFaults, LoadGivesTheLastLineTrimmedOrNothing) {
  TestFolder test;
  struct Case {
    const char* what;
    std::string bytes;
    std::string loaded;
  } cases[] = {
      {"LF line ends", "1-0 1/2\n", "1-0 1/2"},
      {"several lines", "12\r\n13\n14\r15\r\n", "15"},
      {"several lines, the last blank", "12\r\n   \r\n", ""},
      {"trailing spaces, no line end", "  6   ", "6"},
      {"a lone CR after the text", "6\r", "6"},
      {"CR CR LF", "6\r\r\n", ""},
      {"binary garbage", std::string("\x00\xff\x1b[2J\x7f", 6),
       std::string("\x00\xff\x1b[2J\x7f", 6)},
      {"garbage lines", std::string("\xfe\n\0\0\n \x80 ", 8), "\x80"},
      {"a byte-order mark",
       "\xef\xbb\xbf"
       "2 \r\n",
       "2"},
  };
  for (const Case& c : cases) {
    test.Write("TextFiles/H1.TXT", c.bytes);
    EXPECT_EQ(LoadField(test.folder(), "H1"), c.loaded) << c.what;
  }
}

TEST(FieldFileFaults, GarbageListPositionSelectsNothing) {
  TestFolder test;
  test.Write("TextFiles/BS.TXT", std::string("\x01 2\0 \r\n", 7));
  EXPECT_EQ(StoredIndex(LoadField(test.folder(), "BS"), 3), -1);
}

TEST(FieldFileFaults, FolderInPlaceOfTheFileIsLeftAlone) {
  TestFolder test;
  fs::create_directory(test.folder().FieldFile("V1"));
  EXPECT_EQ(LoadField(test.folder(), "V1"), "");
  SaveField(test.folder(), "V1", "6");
  EXPECT_TRUE(fs::is_directory(test.folder().FieldFile("V1")));
  EXPECT_EQ(LoadField(test.folder(), "V1"), "");
}

TEST(FieldFileFaults, ReadOnlyFileKeepsItsValue) {
  TestFolder test;
  SaveField(test.folder(), "L1", "120");
  fs::path file = test.folder().FieldFile("L1");
  fs::permissions(file, fs::perms::owner_read);
  SaveField(test.folder(), "L1", "96");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(test.Read("TextFiles/L1.TXT"), "120\r\n");
}

}  // namespace
}  // namespace vpa
