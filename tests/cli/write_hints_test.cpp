// vpa-macro write refuses entries with the same words and hints as read.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

struct CliRun {
  int status;
  std::string err;
};

CliRun Cli(const TestFolder& test, std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--folder", test.root().string()});
  int status = RunCli(args, "unused", out, err);
  return {status, err.str()};
}

// write's refusals give read's hints, also for characters that the store's
// code page cannot hold, and quote the entries as typed.
TEST(Cli, WriteGivesTheHintsReadGives) {
  const std::pair<const char*, const char*> cases[] = {
      {"1\xE2\x88\x92"
       "6",
       "type the minus sign with the - key, as 1-6"},
      {"1'6\"", "write feet and inches as 1-6"},
      {"2\xE2\x80\x93"
       "6",
       "type the minus sign with the - key, as 2-6"},
  };
  for (const auto& [entry, hint] : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    CliRun read = Cli(test, {"read", entry});
    CliRun write =
        Cli(test, {"write", "--end", "left", "--section", "L1x1x1/8", "--leg",
                   "Long", "--pair", "1", "--l", "2", "--h", entry});
    EXPECT_EQ(write.status, kExitBadInput) << entry;
    for (const CliRun* run : {&read, &write}) {
      EXPECT_NE(run->err.find(hint), std::string::npos) << run->err;
      EXPECT_NE(run->err.find(entry), std::string::npos) << run->err;
    }
  }
}

}  // namespace
}  // namespace vpa
