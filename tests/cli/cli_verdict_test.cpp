// vpa-macro read and write --row give the Run's verdict, in UTF-8 messages
// whatever the arguments' bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "base/files.h"
#include "base/text.h"
#include "cli/cli.h"
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

CliRun Cli(const std::filesystem::path& folder, std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--folder", PathText(folder)});
  int status = RunCli(args, "unused", out, err);
  return {status, out.str(), err.str()};
}

// What a Run refuses, read refuses with the Run's reason.
TEST(CliRead, GivesTheRunsVerdict) {
  const struct {
    std::vector<std::string> entries;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {{"1e7"},
       kExitBadInput,
       "10000000\n",
       "vpa-macro: \"1e7\" is too large; a dimension must lie within "
       "1,000,000 in of 0; a Run refuses it\n"},
      {{"-2000000"}, kExitBadInput, "-2000000\n", "\"-2000000\" is too large"},
      {{"6e121"}, kExitBadInput, "6", "\"6e121\" is too large"},
      {{"999999", "-1e6", "0"}, kExitDone, "999999\n-1e6\n0\n", ""},
      {{"1e-7"},
       kExitBadInput,
       "",
       "vpa-macro: cannot read \"1e-7\" (exponents below zero are not a "
       "dimension form). Use 1.5"},
      {{"-2.5E-3"}, kExitBadInput, "", "(exponents below zero are not a"},
      {{"1e-"}, kExitBadInput, "", "(the feet part \"1e\" is not a number)"},
      {{"--", "-1"}, kExitDone, "-1\n", ""},
      {{"--", "--6"}, kExitBadInput, "", "cannot read \"--6\""},
      {{"--", "--", "2"}, kExitBadInput, "2\n", "cannot read \"--\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.entries));
    TestFolder test;
    std::vector<std::string> args = {"read"};
    args.insert(args.end(), c.entries.begin(), c.entries.end());
    CliRun run = Cli(test.root(), args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.out.starts_with(c.out)) << run.out;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    if (!*c.err) EXPECT_EQ(run.err, "");
  }
}

// A UTF-8 argument is quoted as itself; a byte that is no UTF-8 is shown
// as \xNN. Either way stderr is UTF-8.
TEST(CliRead, MessagesAreUtf8WhateverTheBytes) {
  const struct {
    std::vector<std::string> args;
    std::string quoted;
  } cases[] = {
      {{"read", "1\xC3\x81"}, "1\xC3\x81 would be read as 1 in"},
      {{"read",
        "1\xE2\x81\x84"
        "2"},
       "1\xE2\x81\x84"
       "2 would be read as 1 in"},
      {{"read", "\xF0\x9F\x98\x80"}, "\xF0\x9F\x98\x80 would be read as 0"},
      {{"read",
        "1\xC2\x8D"
        "\xC2\x90\xC2\x9D"},
       "1\\xC2\\x8D\\xC2\\x90\\xC2\\x9D would be"},
      {{"read", "1\xC1"}, "1\\xC1 would be read as 1 in"},
      {{"read", "1\x81"}, "1\\x81 would be read as 1 in"},
      {{"read", "1\xE2\x81"}, "1\\xE2\\x81 would be read as 1 in"},
      {{"read", std::string(39, 'a') + "\xC3\x81\xC3\x81-3"},
       "\"" + std::string(39, 'a') + "\xC3\x81...\""},
      {{"catalogue", "\xFF"}, "unexpected argument \"\\xFF\""},
      {{"write", "--end", "\xC3"}, "--end \"\\xC3\" is not"},
      {{"write", "--end", "right", "--section", "L\xC3\x81"},
       "--section \"L\xC3\x81\" is not one of"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    TestFolder test;
    CliRun run = Cli(test.root(), c.args);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(EscapeNonUtf8(run.err), run.err);
    EXPECT_NE(run.err.find(c.quoted), std::string::npos) << run.err;
  }
}

// A saved row whose field cannot be read is not written as if it were
// empty; the file is named, with the reason, and left as it is.
TEST(CliWriteRow, UnreadableFieldRefusesTheRow) {
  const std::string utf16(
      "\xFF\xFE"
      "1\0\r\0\n\0",
      8);
  const struct {
    const char* field;
    std::string bytes;  // "<folder>": a folder in the file's place
    const char* caption;
    const char* reason;
  } cases[] = {
      {"H1", utf16, "H", "it is stored as UTF-16 text"},
      {"L1", std::string(kMaxFieldLine + 1, '7'), "L",
       "its last line is longer than 1 MiB"},
      {"OSL1", "<folder>", "OSL", "it is not a regular file"},
      {"BS",
       std::string("\xFE\xFF\0"
                   "1",
                   4),
       "ADD ANGLES TO", "it is stored as UTF-16 text"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    TestFolder test;
    test.InstallNamedTemplates();
    for (auto [name, value] :
         {std::pair{"MAT1", 0}, {"OSL1", 0}, {"Pair1", 0}, {"BS", 0}}) {
      SaveField(test.folder(), name, value);
    }
    SaveField(test.folder(), "L1", "12");
    test.Write("TextFiles/H2.TXT", utf16);  // another row's: no matter
    const std::string relative = "TextFiles/" + std::string(c.field) + ".TXT";
    std::filesystem::remove(test.root() / relative);
    if (c.bytes == "<folder>") {
      std::filesystem::create_directory(test.root() / relative);
    } else {
      test.Write(relative, c.bytes);
    }
    CliRun run = Cli(test.root(), {"write", "--row", "1"});
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(run.err, "vpa-macro: No macro was written for row 1: " +
                           std::string(c.caption) + ": the saved value in " +
                           PathText(test.folder().FieldFile(c.field)) +
                           " cannot be read (" + c.reason + ").\n");
    EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
    if (c.bytes != "<folder>") EXPECT_EQ(test.Read(relative), c.bytes);
  }
}

// "." and ".." in --folder do not reach the printed path.
TEST(CliWrite, PrintsALexicallyNormalPath) {
  TestFolder test;
  test.InstallNamedTemplates();
  std::filesystem::create_directory(test.root() / "sub");
  const std::vector<std::string> row = {
      "write", "--end",  "both", "--section", "L1x1x1/8", "--leg",
      "Long",  "--pair", "1",    "--l",       "6"};
  for (const std::filesystem::path& folder :
       {test.root() / ".", test.root() / "sub" / "..",
        test.root() / "." / "sub" / ".." / "."}) {
    CliRun run = Cli(folder, row);
    EXPECT_EQ(run.status, kExitDone) << run.err;
    EXPECT_EQ(run.out, PathText(test.root() / "0PY" / "0.PY") + "\n");
  }
}

}  // namespace
}  // namespace vpa
