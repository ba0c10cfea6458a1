// The system's reasons reach every message in UTF-8, whatever the locale's
// character set.
#include "base/system_reason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "test_folder.h"

namespace vpa {
namespace {

#ifndef _WIN32
// French in Latin-1, made for the test alone (as a vfat user's might be).
class Latin1Locale : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string made = (test_.root() / "fr_FR.ISO-8859-1").string();
    const std::string command =
        "localedef -i fr_FR -f ISO-8859-1 '" + made + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1 || !std::filesystem::exists(made)) {
      GTEST_SKIP() << "localedef cannot make a Latin-1 locale here";
    }
    setenv("LOCPATH", test_.root().c_str(), 1);
    if (!std::setlocale(LC_ALL, "fr_FR.ISO-8859-1")) {
      GTEST_SKIP() << "the Latin-1 locale does not load";
    }
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }

  testing::TestFolder test_;
};

TEST_F(Latin1Locale, ReasonsComeInUtf8) {
  if (SystemReason(EACCES) == "Permission denied") {
    GTEST_SKIP() << "the C library's French messages are not installed";
  }
  EXPECT_EQ(SystemReason(EACCES),
            "Permission non accord\xc3\xa9"
            "e");

  std::ofstream full("/dev/full");
  std::ostringstream err;
  EXPECT_EQ(RunCli({"catalogue"}, test_.root(), full, err), kExitFileError);
  EXPECT_NE(err.str().find("p\xc3\xa9riph\xc3\xa9rique"), std::string::npos)
      << err.str();
}
#endif

}  // namespace
}  // namespace vpa
