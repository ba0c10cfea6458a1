// vpa-macro preview: the SVG for a row a Run takes, the Run's own refusal
// (and nothing on standard output) for one it refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

struct Ran {
  int status;
  std::string out;
  std::string err;
};

Ran Cli(const TestFolder& test, std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--folder", test.root().string()});
  return {RunCli(args, "unused", out, err), out.str(), err.str()};
}

std::vector<std::string> RowFlags(std::string command, std::string l) {
  return {command, "--end", "both", "--section", "L4x4x1/2", "--pair",
          "2",     "--leg", "Long", "--h",       "1-0 1/2",  "--v1",
          "6",     "--v2",  "9",    "--l",       l};
}

TEST(PreviewCli, DrawsEachAngleAsOneElementWithItsPlace) {
  TestFolder test;  // needs no template: it writes nothing
  Ran run = Cli(test, RowFlags("preview", "120"));
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(run.out.rfind("<svg ", 0), 0u);
  EXPECT_NE(run.out.find("<rect data-end=\"right\" data-face=\"near\" "
                         "data-h=\"12.5\" data-top=\"6\" data-bottom=\"126\""),
            std::string::npos);
  EXPECT_NE(run.out.find("<rect data-end=\"left\" data-face=\"far\" "
                         "data-h=\"12.5\" data-top=\"9\" data-bottom=\"129\""),
            std::string::npos);
  EXPECT_NE(run.out.find(">H 1-0 1/2</text>"), std::string::npos);
  EXPECT_EQ(test.Read("0PY/0.PY"), "<missing>");
}

TEST(PreviewCli, RefusedRowSaysWhatARunSaysAndDrawsNothing) {
  TestFolder test;
  test.InstallNamedTemplates();
  const Ran written = Cli(test, RowFlags("write", "0"));
  const Ran drawn = Cli(test, RowFlags("preview", "0"));
  EXPECT_EQ(drawn.status, kExitBadInput);
  EXPECT_EQ(drawn.out, "");
  EXPECT_EQ(drawn.err, written.err);
  // A saved row that a Run refuses, and one it takes.
  SaveField(test.folder(), "H2", "1");
  Ran saved = Cli(test, {"preview", "--row", "2"});
  EXPECT_EQ(saved.status, kExitBadInput);
  EXPECT_EQ(saved.out, "");
  EXPECT_EQ(saved.err, Cli(test, {"write", "--row", "2"}).err);
  SaveField(test.folder(), "L2", "12");
  SaveField(test.folder(), "MAT2", 0);
  SaveField(test.folder(), "OSL2", 1);
  SaveField(test.folder(), "Pair2", 0);
  SaveField(test.folder(), "BS", 1);
  saved = Cli(test, {"preview", "--row", "2"});
  EXPECT_EQ(saved.status, kExitDone) << saved.err;
  EXPECT_NE(saved.out.find("data-end=\"left\" data-face=\"near\" data-h=\"1\""),
            std::string::npos);
}

}  // namespace
}  // namespace vpa
