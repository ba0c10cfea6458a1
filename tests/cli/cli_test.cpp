// vpa-macro: output, exit statuses, flag forms, and the same bytes as the
// row command.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/files.h"
#include "catalogue/angle_catalogue.h"
#include "form/run_row.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(const TestFolder& test, std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--folder", test.root().string()});
  int status = RunCli(args, "unused", out, err);
  return {status, out.str(), err.str()};
}

TEST(Cli, ReadPrintsStagedTexts) {
  TestFolder test;
  CliRun run = Cli(test, {"read", "1-0 1/2", "-6.50", "", "--6", "--help"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.out, "12.5\n-6.50\n0\n");
  EXPECT_NE(run.err.find("\"--6\""), std::string::npos);
  EXPECT_NE(run.err.find("\"--help\""), std::string::npos);
  // Entries read only in part print what they are read as, and say so.
  run = Cli(test, {"read", "1'6\"", "12", "1,5"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.out, "1\n12\n1\n");
  EXPECT_EQ(run.err,
            "vpa-macro: '6\" is not part of a dimension; 1'6\" would be read "
            "as 1 in (write feet and inches as 1-6); a Run refuses it\n"
            "vpa-macro: ,5 is not part of a dimension; 1,5 would be read as 1 "
            "in (write decimals with a point and no thousands separator); a "
            "Run refuses it\n");
}

TEST(Cli, WriteMatchesTheRowCommandByteForByte) {
  struct Case {
    std::vector<std::string> flags;
    RowEntries row;
    std::string_view end;
  } cases[] = {
      {{"--end", "Right End", "--pair", "2", "--section", "L4x4x1/2", "--leg",
        "Long", "--h", "1-0 1/2", "--v1", "6", "--v2", "9", "--l", "120"},
       {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"},
       "Right End"},
      {{"--end=both", "--pair=1", "--section=L3 1/2x2 1/2x1/4", "--leg",
        "Short", "--h", "-1.50", "--v1=-6", "--l", "3 1/2"},
       {"-1.50", "-6", "", "L3 1/2x2 1/2x1/4", "3 1/2", "Short", "1"},
       "BOTH Ends"},
      {{"--end", "left", "--section", "L1x1x1/8", "--leg", "Short", "--pair",
        "2", "--l", "1"},
       {"", "", "", "L1x1x1/8", "1", "Short", "2"},
       "Left End"},
  };
  for (const Case& c : cases) {
    TestFolder expected;
    expected.InstallNamedTemplates();
    RunOutcome wanted =
        WriteRow(expected.folder(), 0, c.row, std::string(c.end), "");
    ASSERT_EQ(wanted.kind, RunOutcome::Kind::kWritten) << wanted.message;
    TestFolder test;
    test.InstallNamedTemplates();
    std::vector<std::string> args = {"write"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    CliRun run = Cli(test, args);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(test.Read("0PY/0.PY"), expected.Read("0PY/0.PY"));
    EXPECT_EQ(
        run.out,
        std::filesystem::absolute(test.folder().MacroFile()).string() + "\n");
  }
}

TEST(Cli, WriteSavedRow) {
  TestFolder test;
  test.InstallNamedTemplates();
  SaveField(test.folder(), "H4", "2-6");
  SaveField(test.folder(), "V4", "6");
  SaveField(test.folder(), "L4", "12");
  SaveField(test.folder(), "MAT4", 0);
  SaveField(test.folder(), "OSL4", 1);
  SaveField(test.folder(), "Pair4", 0);
  SaveField(test.folder(), "BS", 2);
  ASSERT_EQ(Cli(test, {"write", "--row", "4"}).status, kExitDone);
  EXPECT_EQ(test.Read("0PY/0.PY"),
            "\r\n# WALLBEARANG.PY\r\nv=6 fs=18\r\n"
            "h=30 l=12 s=L1x1x1/8 k=VT.\r\n");
}

TEST(Cli, ExitStatuses) {
  struct Case {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"catalogue"}, kExitDone},
      {{"--version"}, kExitDone},
      {{}, kExitBadInput},
      {{"frobnicate"}, kExitBadInput},
      {{"write", "--end", "right"}, kExitBadInput},  // no section
      {{"write", "--end", "up", "--section", "L1x1x1/8"}, kExitBadInput},
      {{"write", "--end", "right", "--section", "L9x9x1"}, kExitBadInput},
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--leg", "long"},
       kExitBadInput},
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--h", "a-b"},
       kExitBadInput},
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--h"},
       kExitBadInput},
      {{"write", "--end", "right", "--end", "left"}, kExitBadInput},
      {{"write", "--row", "6"}, kExitBadInput},
      {{"write", "--row", "1", "--h", "2"}, kExitBadInput},
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--leg", "Long",
        "--pair", "1"},
       kExitBadInput},  // no length
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--leg", "Long",
        "--l", "6"},
       kExitBadInput},  // no pair choice
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--pair", "1",
        "--l", "6"},
       kExitBadInput},  // no leg
      {{"write", "--end", "right", "--section", "L1x1x1/8", "--leg", "Long",
        "--pair", "1", "--l", "6"},
       kExitFileError},
  };
  for (const Case& c : cases) {
    TestFolder test;  // no templates: a valid write is a file error
    CliRun run = Cli(test, c.args);
    EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args);
    if (c.status != kExitDone) {
      EXPECT_TRUE(run.out.empty());
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
  }
}

TEST(Cli, UsageErrorsNameWhatIsWrong) {
  const struct {
    std::vector<std::string> args;
    const char* named;
  } cases[] = {
      {{"catalogue", "extra"}, "unexpected argument \"extra\""},
      {{"write", "--section", "L1x1x1/8"}, "write needs --end"},
      {{"write", "--end", "up", "--section", "L1x1x1/8"},
       "--end \"up\" is not \"Right End\""},
      {{"write", "--row", "1"}, "no end choice is saved"},
  };
  for (const auto& c : cases) {
    TestFolder test;
    CliRun run = Cli(test, c.args);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  }
}

// "FOLDER" stands for the test folder, from which `removed` is taken (the
// folder itself when "FOLDER"); a file error names the folder.
TEST(Cli, FolderAndHelpDetails) {
  const struct {
    std::vector<std::string> args;
    const char* removed;
    int status;
    const char* said;  // in stderr, or in stdout when done
  } cases[] = {
      {{"--folder", "", "write", "--row", "1"},
       "",
       kExitBadInput,
       "--folder needs a folder name"},
      {{"write", "--row", "1", "--folder="},
       "",
       kExitBadInput,
       "--folder needs a folder name"},
      {{"--folder", "FOLDER", "--folder", "FOLDER", "write", "--row", "1"},
       "",
       kExitBadInput,
       "--folder is given twice"},
      {{"--folder", "FOLDER", "write", "--folder", "FOLDER", "--row", "1"},
       "",
       kExitBadInput,
       "--folder is given twice"},
      {{"--folder", "FOLDER", "write", "--row", "1"},
       "FOLDER",
       kExitFileError,
       " does not exist"},
      {{"--folder", "FOLDER", "write", "--row", "1"},
       "TextFiles",
       kExitFileError,
       " holds no TextFiles folder"},
      {{"--folder", "FOLDER", "write", "--row", "1"},
       "0PY",
       kExitFileError,
       " holds no 0PY folder"},
      {{"--folder", "FOLDER", "write", "--end", "both", "--section", "L4x4x1/2",
        "--leg", "Long", "--pair", "2", "--l", "10"},
       "PythonFiles",
       kExitFileError,
       " holds no PythonFiles folder"},
      {{"write", "--help"}, "", kExitDone, "Usage: vpa-macro"},
      {{"--folder", "FOLDER", "write", "--row", "1", "--help"},
       "FOLDER",
       kExitDone,
       "Usage: vpa-macro"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    TestFolder test;
    test.InstallShippedTemplates();
    const std::string root = test.root().string();
    if (*c.removed) {
      std::filesystem::remove_all(c.removed == std::string_view("FOLDER")
                                      ? test.root()
                                      : test.root() / c.removed);
    }
    std::vector<std::string> args = c.args;
    std::replace(args.begin(), args.end(), std::string("FOLDER"), root);
    std::ostringstream out, err;
    int status = RunCli(args, test.root(), out, err);
    EXPECT_EQ(status, c.status) << err.str();
    const std::string shown = status == kExitDone ? out.str() : err.str();
    EXPECT_NE(shown.find(c.said), std::string::npos) << shown;
    if (status == kExitFileError) {
      EXPECT_NE(shown.find(root + c.said), std::string::npos) << shown;
    }
    EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
  }
}

// A path the console's code page cannot carry is not printed wrongly; the
// macro is written all the same, and the message says so.
TEST(Cli, PathTheOutputCannotCarryIsNotPrinted) {
  const struct {
    const char* folder;
    bool carried;
  } cases[] = {{"Bobs jobs", true},
               {"Bob\xe2\x80\x99s jobs", false},
               {"\xc5\xa0uba", false},
               {"\xc5\x81\xc3\xb3"
                "d\xc5\xba",
                false}};
  const OutputCheck ascii_only =
      [](const std::string& text) -> std::optional<std::string> {
    for (char c : text) {
      if (static_cast<unsigned char>(c) >= 0x80) return "code page 437";
    }
    return std::nullopt;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    TestFolder test;
    const std::filesystem::path folder = test.root() / c.folder;
    std::filesystem::create_directories(folder / "0PY");
    test.InstallShippedTemplates();
    std::filesystem::copy(test.root() / "PythonFiles", folder / "PythonFiles");
    std::ostringstream out, err;
    int status = RunCli(
        {"--folder", PathText(folder), "write", "--end", "both", "--section",
         "L4x4x1/2", "--leg", "Long", "--pair", "2", "--l", "10"},
        "unused", out, err, ascii_only);
    EXPECT_TRUE(std::filesystem::exists(folder / "0PY" / "0.PY"));
    if (c.carried) {
      EXPECT_EQ(status, kExitDone) << err.str();
      EXPECT_EQ(out.str(), (folder / "0PY" / "0.PY").string() + "\n");
      continue;
    }
    EXPECT_EQ(status, kExitFileError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "vpa-macro: the macro has been written all the same, but its "
              "path cannot be printed in code page 437; chcp 65001 lets the "
              "path through\n");
  }
}

#ifndef _WIN32
// The path that was not printed is no success, nor is a listing.
TEST(Cli, FailedOutputIsAFileError) {
  TestFolder test;
  test.InstallShippedTemplates();
  for (std::vector<std::string> args :
       {std::vector<std::string>{"write", "--end", "both", "--section",
                                 "L4x4x1/2", "--leg", "Long", "--pair", "2",
                                 "--l", "10"},
        {"catalogue"},
        {"read", "6"}}) {
    std::ofstream full("/dev/full");
    std::ostringstream err;
    args.insert(args.begin(), {"--folder", test.root().string()});
    EXPECT_EQ(RunCli(args, "unused", full, err), kExitFileError);
    EXPECT_NE(err.str().find("No space left"), std::string::npos) << err.str();
  }
}
#endif
TEST(Cli, RefusalIsOneLineNamingEveryBadFlagInRowOrder) {
  TestFolder test;
  test.InstallNamedTemplates();
  CliRun run = Cli(test, {"write", "--end", "right", "--h", "a-b", "--v1",
                          "--6", "--section", "L1x1x1/8", "--l", "-6"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.err,
            "vpa-macro: No macro was written for the row: H: cannot read "
            "\"a-b\". V1: cannot read \"--6\" (the feet part \"\" is not a "
            "number). L: an angle's length must be more than 0. OSL: choose "
            "the outstanding leg, Short or Long. Pairs: choose 1 (one angle at "
            "each end) or 2 (a pair). Use 1.5 (inches), 1 1/2 (inches and a "
            "fraction) or 1-0 1/2 (feet and inches).\n");
}

// Each of these once wrote a macro from what the reader made of its start.
TEST(Cli, EntriesReadOnlyInPartOrTooLargeWriteNothing) {
  const std::vector<std::string> kRow = {"write", "--section", "L1x1x1/8",
                                         "--leg", "Long",      "--pair",
                                         "1",     "--end",     "left"};
  const std::pair<const char*, const char*> cases[] = {
      {"--h", "1,5"},
      {"--h", "1'6\""},
      {"--v1", "12mm"},
      {"--v2", "abc"},
      {"--h", "1 2"},
      {"--h", "1-2-8"},
      {"--h", "2\t6"},
      {"--h",
       "10\x96"
       "6 1/2"},
      {"--l", "1O"},
      {"--l", "5 3/0"},
      {"--v1", "1e308"},
      {"--l", "1e7"},
      {"--v2", "999999"}};  // V2 + L
  for (const auto& [flag, entry] : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    std::vector<std::string> args = kRow;
    args.insert(args.end(), {"--l", "2", flag, entry});
    if (std::string(flag) == "--l") args.erase(args.end() - 4, args.end() - 2);
    CliRun run = Cli(test, args);
    EXPECT_EQ(run.status, kExitBadInput) << entry;
    EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>") << entry;
  }
  TestFolder test;
  test.InstallNamedTemplates();
  SaveField(test.folder(), "H3", "1'6\"");
  SaveField(test.folder(), "L3", "12");
  SaveField(test.folder(), "MAT3", 0);
  SaveField(test.folder(), "OSL3", 0);
  SaveField(test.folder(), "Pair3", 0);
  SaveField(test.folder(), "BS", 0);
  EXPECT_EQ(Cli(test, {"write", "--row", "3"}).status, kExitBadInput);
  EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
}

TEST(Cli, SavedRowWhosePositionsSelectNothingIsRefused) {
  TestFolder test;
  test.InstallNamedTemplates();
  SaveField(test.folder(), "L2", "12");
  SaveField(test.folder(), "MAT2", 0);
  SaveField(test.folder(), "OSL2", 7);  // beyond the list
  SaveField(test.folder(), "Pair2", -1);
  SaveField(test.folder(), "BS", 0);
  CliRun run = Cli(test, {"write", "--row", "2"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("row 2: OSL: choose"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Pairs: choose"), std::string::npos) << run.err;
  EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
}

TEST(Cli, CatalogueListsEveryName) {
  TestFolder test;
  std::string expected;
  for (std::string_view name : kAngleCatalogue) {
    expected += std::string(name) + "\n";
  }
  EXPECT_EQ(Cli(test, {"catalogue"}).out, expected);
}

}  // namespace
}  // namespace vpa
