// The macro writers: passes per end and pair choice, the exact bytes of the
// macro file, and a macro file that stays whole when a command fails.
#include "macro/macro_writers.h"

#include <gtest/gtest.h>

#include "catalogue/angle_catalogue.h"
#include "staging/row_check.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

std::string Block(const std::string& name, const std::string& v,
                  const std::string& fs, const std::string& leg = "VT.") {
  return "\r\n# " + name + "\r\nv=" + v + " fs=" + fs +
         "\r\nh=12.5 l=120 s=L4x4x1/2 k=" + leg + "\r\n";
}

// A checked row of the given entries.
CheckedRow Checked(std::string_view end, const char* v1 = "6",
                   const char* v2 = "9", const char* l = "120",
                   const char* pair = "2", const char* leg = "Long") {
  const RowCheck check =
      CheckRow({"12.5", v1, v2, "L4x4x1/2", l, leg, pair}, end);
  EXPECT_TRUE(check.row) << RefusalMessage(0, check.refusals);
  return check.row.value_or(CheckedRow{});
}

// Writes the macro of a pair command, or of a single one.
Status Write(const TestFolder& test, std::string_view end,
             bool single = false) {
  return WriteMacro(test.folder(),
                    Checked(end, "6", "9", "120", single ? "1" : "2"));
}

struct Command {
  bool single;
  std::string_view end;
  std::string macro;
};

class WritesMacro : public ::testing::TestWithParam<Command> {};

TEST_P(WritesMacro, ExactBytes) {
  TestFolder test;
  test.InstallNamedTemplates();
  test.Write("0PY/0.PY", "former macro\r\n");
  const Command& command = GetParam();
  Status written = Write(test, command.end, command.single);
  ASSERT_TRUE(written.ok()) << written.error();
  EXPECT_EQ(test.Read("0PY/0.PY"), command.macro);
}

INSTANTIATE_TEST_SUITE_P(
    EveryEndAndPairChoice, WritesMacro,
    ::testing::Values(
        Command{false, kRightEnd,
                Block("WALLBEARANG.PY", "6", "126") +
                    Block("WALLBEARANGr2.PY", "9", "129")},
        Command{false, kLeftEnd,
                Block("WALLBEARANGl.PY", "6", "6") +
                    Block("WALLBEARANGl2.PY", "9", "9")},
        Command{false, kBothEnds,
                Block("WALLBEARANG.PY", "6", "126") +
                    Block("WALLBEARANGr2.PY", "9", "129") +
                    Block("WALLBEARANGla.PY", "6", "6") +
                    Block("WALLBEARANGl2.PY", "9", "9")},
        Command{true, kRightEnd, Block("WALLBEARANG.PY", "6", "126")},
        Command{true, kLeftEnd, Block("WALLBEARANGl.PY", "6", "6")},
        Command{true, kBothEnds,
                Block("WALLBEARANG.PY", "6", "126") +
                    Block("WALLBEARANGla.PY", "6", "6")}));

TEST(WriteMacro, ShortLegReachesEveryBlock) {
  TestFolder test;
  test.InstallNamedTemplates();
  ASSERT_TRUE(WriteMacro(test.folder(),
                         Checked(kBothEnds, "6", "9", "120", "1", "Short"))
                  .ok());
  EXPECT_EQ(test.Read("0PY/0.PY"),
            Block("WALLBEARANG.PY", "6", "126", "Hz.") +
                Block("WALLBEARANGla.PY", "6", "6", "Hz."));
}

// The sum is of the staged texts read back: 1/3 stages as 0.333333333333333.
TEST(Passes, RightEndDepthIsVPlusL) {
  struct Case {
    const char *l, *v1, *v2, *fs1, *fs2;
  } cases[] = {
      {"120", "12.5", "0", "132.5", "120"},
      {"36", "", "0", "36", "36"},
      {"12", "-6", "-1.50", "6", "10.5"},
      {"1/3", "0.1", "0.2", "0.433333333333333", "0.533333333333333"},
      {"1-0 1/3", "-1/3", "1/3", "12", "12.6666666666666"},
  };
  for (const Case& c : cases) {
    std::vector<Pass> pair = PairPasses(Checked(kRightEnd, c.v1, c.v2, c.l));
    EXPECT_EQ(pair[0].fsv01, c.fs1) << c.l << " " << c.v1;
    EXPECT_EQ(pair[1].fsv01, c.fs2) << c.l << " " << c.v2;
    EXPECT_EQ(SinglePasses(Checked(kRightEnd, c.v1, c.v2, c.l, "1"))[0].fsv01,
              c.fs1);
  }
}

TEST(Passes, LeftEndTakesVAsStaged) {
  std::vector<Pass> pair = PairPasses(Checked(kLeftEnd, "-1.50", "1 1/2"));
  EXPECT_EQ(pair[0].zzv1, "-1.50");
  EXPECT_EQ(pair[0].fsv01, "-1.50");
  EXPECT_EQ(pair[1].fsv01, "1.5");
  Pass single = SinglePasses(Checked(kLeftEnd, "", "9", "120", "1"))[0];
  EXPECT_EQ(single.zzv1, "0");
  EXPECT_EQ(single.fsv01, "0");
}

TEST(WriteMacro, FailingSecondPassLeavesTheFormerMacro) {
  TestFolder test;
  test.InstallNamedTemplates();
  std::filesystem::remove(test.root() / "PythonFiles" / "WALLBEARANGr2.PY");
  test.Write("0PY/0.PY", "former macro\r\n");
  Status written = Write(test, kBothEnds);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("WALLBEARANGr2.PY"), std::string::npos);
  EXPECT_NE(written.error().find("No such file"), std::string::npos);
  EXPECT_EQ(test.Read("0PY/0.PY"), "former macro\r\n");
}

// Notepad's "Unicode" and stray NUL bytes would make a macro of NULs.
TEST(WriteMacro, TemplateThatIsNotTextIsRefusedByName) {
  using namespace std::string_literals;
  const struct {
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"\xFF\xFE#\0 \0z\0z\0H\0"s, "Unicode (UTF-16)"},
      {"\xFE\xFF\0#\0 \0z\0z\0H"s, "Unicode (UTF-16)"},
      {"# h=zzH\r\n\0\r\n"s, "NUL bytes"},
  };
  for (const auto& c : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    test.Write("PythonFiles/WALLBEARANGr2.PY", c.bytes);
    test.Write("0PY/0.PY", "former macro\r\n");
    Status written = Write(test, kRightEnd);
    ASSERT_FALSE(written.ok()) << c.reason;
    EXPECT_EQ(written.code(), ErrorCode::kNotText);
    EXPECT_NE(written.error().find("WALLBEARANGr2.PY"), std::string::npos);
    EXPECT_NE(written.error().find(c.reason), std::string::npos)
        << written.error();
    EXPECT_EQ(test.Read("0PY/0.PY"), "former macro\r\n");
  }
}

TEST(WriteMacro, MissingMacroFolderIsAnErrorAndNothingIsCreated) {
  TestFolder test;
  test.InstallNamedTemplates();
  std::filesystem::remove(test.root() / "0PY");
  Status written = Write(test, kRightEnd, true);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("0.PY"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(test.root() / "0PY"));
}

TEST(WriteMacro, SecondCommandRewritesTheSameBlocks) {
  TestFolder test;
  test.InstallNamedTemplates();
  ASSERT_TRUE(Write(test, kBothEnds).ok());
  std::string first = test.Read("0PY/0.PY");
  ASSERT_TRUE(Write(test, kBothEnds).ok());
  EXPECT_EQ(test.Read("0PY/0.PY"), first);
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(test.root() / "0PY"),
                    std::filesystem::directory_iterator()),
      1);  // no temporary file left behind
}

}  // namespace
}  // namespace vpa
