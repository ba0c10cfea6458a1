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
// Under French in Latin-1, made for the test alone, as a message in the
// window and one on vpa-macro's stderr.
TEST(SystemReason, Latin1LocaleGivesUtf8) {
  testing::TestFolder test;
  const std::string made = (test.root() / "fr_FR.ISO-8859-1").string();
  std::system(
      ("localedef -i fr_FR -f ISO-8859-1 '" + made + "' 2>/dev/null").c_str());
  setenv("LOCPATH", test.root().c_str(), 1);
  if (!std::setlocale(LC_ALL, "fr_FR.ISO-8859-1")) {
    GTEST_SKIP() << "localedef cannot make a Latin-1 locale here";
  }
  std::ofstream full("/dev/full");
  std::ostringstream err;
  RunCli({"catalogue"}, test.root(), full, err);
  const std::string reason = SystemReason(EACCES);
  std::setlocale(LC_ALL, "C");
  unsetenv("LOCPATH");
  if (reason == "Permission denied") {
    GTEST_SKIP() << "the C library's French messages are not installed";
  }
  EXPECT_EQ(reason,
            "Permission non accord\xc3\xa9"
            "e");
  EXPECT_NE(err.str().find("p\xc3\xa9riph\xc3\xa9rique"), std::string::npos)
      << err.str();
}
#endif

}  // namespace
}  // namespace vpa
