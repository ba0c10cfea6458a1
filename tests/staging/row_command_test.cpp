// Row staging and dispatch: staged texts, refused rows, and which writer runs.
#include "staging/row_command.h"

#include <gtest/gtest.h>

#include "macro/macro_writers.h"
#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

RowEntries Filled() {
  return {"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long", "2"};
}

TEST(StageDimension, StagedTexts) {
  struct Case {
    const char *entry, *staged;
  } cases[] = {{"18.5", "18.5"},
               {"18.50", "18.5"},
               {"1 1/2", "1.5"},
               {"1-0 1/2", "12.5"},
               {"1/3", "0.333333333333333"},
               {"", "0"},
               {"-6.50", "-6.50"},
               {"abc", "0"},
               {"  7  ", "7"}};
  for (const Case& c : cases) {
    Result<std::string> staged = StageDimension(c.entry);
    ASSERT_TRUE(staged.ok()) << c.entry << ": " << staged.error();
    EXPECT_EQ(staged.value(), c.staged) << c.entry;
  }
}

TEST(StageDimension, RefusalsNameTheEntryAndTheAcceptedForms) {
  for (const char* entry : {"a-b", "-", "--6", "1 1/2-3", "1e999"}) {
    Result<std::string> staged = StageDimension(entry);
    ASSERT_FALSE(staged.ok()) << entry;
    EXPECT_NE(staged.error().find(std::string("\"") + entry + "\""),
              std::string::npos);
    EXPECT_NE(staged.error().find("1-0 1/2"), std::string::npos);
  }
}

TEST(StageRow, StagesEveryFieldInOrder) {
  Staging staging = StageRow(2, Filled()).value();
  EXPECT_EQ(staging.HFin, "12.5");
  EXPECT_EQ(staging.V1Fin, "6");
  EXPECT_EQ(staging.V2Fin, "9");
  EXPECT_EQ(staging.MatFin, "L4x4x1/2");
  EXPECT_EQ(staging.LFin, "120");
  EXPECT_EQ(staging.OSLFin, "Long");
}

TEST(StageRow, RefusedRowNamesTheRow) {
  RowEntries entries = Filled();
  entries.v2 = "a-b";
  EXPECT_EQ(StageRow(3, entries)
                .error()
                .rfind("No macro was written for row 3:\nV2: ", 0),
            0u);
  EXPECT_EQ(StageRow(0, entries)
                .error()
                .rfind("No macro was written for the row:\nV2: ", 0),
            0u);
}

TEST(IsSingle, PairTextHoldingAOne) {
  EXPECT_TRUE(IsSingle("1"));
  EXPECT_TRUE(IsSingle("12"));
  EXPECT_FALSE(IsSingle("2"));
  EXPECT_FALSE(IsSingle(""));
}

TEST(RunRowCommand, DispatchesOnThePairChoice) {
  struct Case {
    const char* pair;
    bool second_angle;
  } cases[] = {{"1", false}, {"2", true}, {"12", false}};
  for (const Case& c : cases) {
    TestFolder test;
    test.InstallNamedTemplates();
    RowEntries entries = Filled();
    entries.pair = c.pair;
    ASSERT_TRUE(RunRowCommand(test.folder(), 1, entries, kRightEnd).ok());
    std::string macro = test.Read("0PY/0.PY");
    EXPECT_EQ(macro.rfind("\r\n# WALLBEARANG.PY\r\nv=6 fs=126\r\n", 0), 0u);
    EXPECT_EQ(macro.find("WALLBEARANGr2.PY") != std::string::npos,
              c.second_angle)
        << c.pair;
  }
}

TEST(RunRowCommand, RefusedRowWritesNothing) {
  TestFolder test;
  test.InstallNamedTemplates();
  test.Write("0PY/0.PY", "former");
  RowEntries entries = Filled();
  entries.section = "";
  EXPECT_FALSE(RunRowCommand(test.folder(), 1, entries, kBothEnds).ok());
  EXPECT_EQ(test.Read("0PY/0.PY"), "former");
}

}  // namespace
}  // namespace vpa
