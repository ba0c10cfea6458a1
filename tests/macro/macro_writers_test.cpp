// The macro writers: passes per end and pair choice, the exact bytes of the
// macro file, and a macro file that stays whole when a command fails.
#include "macro/macro_writers.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

std::string Block(const std::string& name, const std::string& v,
                  const std::string& fs, const std::string& leg = "VT.") {
  return "\r\n# " + name + "\r\nv=" + v + " fs=" + fs +
         "\r\nh=12.5 l=120 s=L4x4x1/2 k=" + leg + "\r\n";
}

Staging Row() { return {"12.5", "6", "9", "L4x4x1/2", "120", "Long"}; }

// Writes the macro of a pair command, or of a single one.
Status Write(const TestFolder& test, const Staging& staging,
             std::string_view end, bool single = false) {
  Result<std::vector<Pass>> passes =
      single ? SinglePasses(staging, end) : PairPasses(staging, end);
  if (!passes.ok()) return passes.failure();
  return WriteMacro(test.folder(), staging, passes.value());
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
  Status written = Write(test, Row(), command.end, command.single);
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
  Staging staging = Row();
  staging.OSLFin = "Short";
  ASSERT_TRUE(Write(test, staging, kBothEnds, true).ok());
  EXPECT_EQ(test.Read("0PY/0.PY"),
            Block("WALLBEARANG.PY", "6", "126", "Hz.") +
                Block("WALLBEARANGla.PY", "6", "6", "Hz."));
}

TEST(Passes, RightEndDepthIsVPlusL) {
  struct Case {
    const char *l, *v1, *v2, *fs1, *fs2;
  } cases[] = {
      {"120", "12.5", "0", "132.5", "120"},
      {"36", "0", "0", "36", "36"},
      {"0", "6", "9", "6", "9"},
      {"", "6", "9", "6", "9"},
      {"abc", "6", "9", "6", "9"},
      {"-12", "-6", "-1.50", "-18", "-13.5"},
      {"1/3", "0.1", "0.2", "0.433333333333333", "0.533333333333333"},
  };
  for (const Case& c : cases) {
    Staging staging{"1", c.v1, c.v2, "L4x4x1/2", c.l, "Long"};
    std::vector<Pass> pair = PairPasses(staging, kRightEnd).value();
    EXPECT_EQ(pair[0].fsv01, c.fs1) << c.l << " " << c.v1;
    EXPECT_EQ(pair[1].fsv01, c.fs2) << c.l << " " << c.v2;
    EXPECT_EQ(SinglePasses(staging, kRightEnd).value()[0].fsv01, c.fs1);
  }
}

TEST(Passes, LeftEndTakesVAsStaged) {
  Staging staging{"1", "-1.50", "", "L4x4x1/2", "12", "Long"};
  std::vector<Pass> pair = PairPasses(staging, kLeftEnd).value();
  EXPECT_EQ(pair[0].zzv1, "-1.50");
  EXPECT_EQ(pair[0].fsv01, "-1.50");
  EXPECT_EQ(pair[1].fsv01, "");
  staging.V1Fin = "";
  Pass single = SinglePasses(staging, kLeftEnd).value()[0];
  EXPECT_EQ(single.zzv1, "");
  EXPECT_EQ(single.fsv01, "0");
}

TEST(Passes, NoEndChosenIsAnError) {
  for (std::string_view end : {"", "right end", "Right End ", "BOTH ENDS"}) {
    EXPECT_FALSE(PairPasses(Row(), end).ok()) << end;
    EXPECT_FALSE(SinglePasses(Row(), end).ok()) << end;
  }
}

// V + L beyond the largest number has no decimal text: the command is
// refused, naming the fields, and writes nothing.
TEST(Passes, SumTooLargeIsRefusedNamingTheFields) {
  const struct {
    const char *v1, *v2, *l;
    bool pair_refused, single_refused;
    const char* named;
  } cases[] = {
      {"1e308", "1", "1e308", true, true, "V1 and L"},
      {"1", "-1e308", "-1e308", true, false, "V2 and L"},
      {"1.7e308", "1.7e308", "1.7e308", true, true, "V1 and L"},
      {"1e308", "1e308", "-1e308", false, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v1 + std::string(" ") + c.v2 + " " + c.l);
    Staging row = {"12.5", c.v1, c.v2, "L4x4x1/2", c.l, "Long"};
    for (std::string_view end : {kRightEnd, kBothEnds}) {
      Result<std::vector<Pass>> pair = PairPasses(row, end);
      Result<std::vector<Pass>> single = SinglePasses(row, end);
      EXPECT_EQ(!pair.ok(), c.pair_refused);
      EXPECT_EQ(!single.ok(), c.single_refused);
      if (!pair.ok()) EXPECT_EQ(pair.error().rfind(c.named, 0), 0u);
    }
    // The left end adds nothing, so it writes.
    EXPECT_TRUE(PairPasses(row, kLeftEnd).ok());
  }
  TestFolder test;
  test.InstallNamedTemplates();
  test.Write("0PY/0.PY", "former macro\r\n");
  EXPECT_FALSE(Write(test, {"12.5", "1e308", "9", "L4x4x1/2", "1e308", "Long"},
                     kRightEnd)
                   .ok());
  EXPECT_EQ(test.Read("0PY/0.PY"), "former macro\r\n");
}

TEST(WriteMacro, NoEndChosenLeavesTheFormerMacro) {
  TestFolder test;
  test.InstallNamedTemplates();
  test.Write("0PY/0.PY", "former macro\r\n");
  Status written = Write(test, Row(), "");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("Right End"), std::string::npos);
  EXPECT_EQ(test.Read("0PY/0.PY"), "former macro\r\n");
}

TEST(WriteMacro, FailingSecondPassLeavesTheFormerMacro) {
  TestFolder test;
  test.InstallNamedTemplates();
  std::filesystem::remove(test.root() / "PythonFiles" / "WALLBEARANGr2.PY");
  test.Write("0PY/0.PY", "former macro\r\n");
  Status written = Write(test, Row(), kBothEnds);
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
    Status written = Write(test, Row(), kRightEnd);
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
  Status written = Write(test, Row(), kRightEnd, true);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("0.PY"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(test.root() / "0PY"));
}

TEST(WriteMacro, SecondCommandRewritesTheSameBlocks) {
  TestFolder test;
  test.InstallNamedTemplates();
  ASSERT_TRUE(Write(test, Row(), kBothEnds).ok());
  std::string first = test.Read("0PY/0.PY");
  ASSERT_TRUE(Write(test, Row(), kBothEnds).ok());
  EXPECT_EQ(test.Read("0PY/0.PY"), first);
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(test.root() / "0PY"),
                    std::filesystem::directory_iterator()),
      1);  // no temporary file left behind
}

}  // namespace
}  // namespace vpa
