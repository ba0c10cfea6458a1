// vpa-macro gives the Run's verdict, in UTF-8 whatever the arguments' bytes.
#include <gtest/gtest.h>

#include <sstream>

#include "base/files.h"
#include "base/text.h"
#include "cli/cli.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunCli(args, "unused", out, err);
  return {status, out.str(), err.str()};
}

// `said` is in stderr, which is UTF-8 whatever the arguments' bytes.
TEST(CliRead, RunsVerdictInUtf8) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out, said;
  } cases[] = {
      {{"read", "1e7"},
       2,
       "10000000\n",
       "\"1e7\" is too large; a dimension must lie within 1,000,000 in of 0; "
       "a Run refuses it\n"},
      {{"read", "-2000000", "999999"}, 2, "-2000000\n999999\n", "too large"},
      {{"read", "1e-7"}, 2, "", "(exponents below zero are not a dimension"},
      {{"read", "1e-"}, 2, "", "(the feet part \"1e\" is not a number)"},
      {{"read", "--", "-1"}, 0, "-1\n", ""},
      {{"read", "1\xC3\x81"}, 2, "1\n", "1\xC3\x81 would be read as 1 in"},
      {{"read", "\xE2\x81\x84"}, 2, "0\n", "\xE2\x81\x84 would be read"},
      {{"read", "1\xC1"}, 2, "1\n", "1\\xC1 would be read as 1 in"},
      {{"read", std::string(39, 'a') + "\xC3\x81\xC3\x81-3"},
       2,
       "",
       "\"" + std::string(39, 'a') + "\xC3\x81...\""},
      {{"catalogue", "\xFF"}, 2, "", "unexpected argument \"\\xFF\""},
      {{"write", "--\xC3", "1"}, 2, "", "unknown flag --\\xC3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_EQ(EscapeNonUtf8(run.err), run.err);
  }
}

// A saved field that cannot be read refuses its row, and stays as it is.
TEST(CliWriteRow, UnreadableFieldRefusesTheRow) {
  for (const char* field : {"H1", "BS"}) {
    testing::TestFolder test;
    test.InstallNamedTemplates();
    for (const char* list : {"MAT1", "OSL1", "Pair1", "BS"}) {
      SaveField(test.folder(), list, 0);
    }
    SaveField(test.folder(), "L1", "12");
    const std::string utf16("\xFF\xFE\x31\0", 4);
    test.Write("TextFiles/" + std::string(field) + ".TXT", utf16);
    CliRun run =
        Cli({"--folder", PathText(test.root()), "write", "--row", "1"});
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_NE(run.err.find(": the saved value in " +
                           PathText(test.folder().FieldFile(field)) +
                           " cannot be read (it is stored as UTF-16 text)."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
    EXPECT_EQ(test.Read("TextFiles/" + std::string(field) + ".TXT"), utf16);
  }
}

// "." and ".." in --folder do not reach the printed path.
TEST(CliWrite, PrintsALexicallyNormalPath) {
  testing::TestFolder test;
  test.InstallNamedTemplates();
  std::filesystem::create_directory(test.root() / "sub");
  for (const std::filesystem::path& folder :
       {test.root() / ".", test.root() / "sub" / ".." / "."}) {
    CliRun run = Cli({"--folder", PathText(folder), "write", "--end", "both",
                      "--section", "L1x1x1/8", "--leg", "Long", "--pair", "1",
                      "--l", "6"});
    EXPECT_EQ(run.out, PathText(test.root() / "0PY" / "0.PY") + "\n");
  }
}

}  // namespace
}  // namespace vpa
