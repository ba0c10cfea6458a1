// Row staging and dispatch: staged texts and which templates a row runs.
#include "staging/row_command.h"

#include <gtest/gtest.h>

#include "macro/macro_writers.h"

namespace vpa {
namespace {

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

TEST(PlanPassedRow, StagesEveryFieldInOrder) {
  Staging staging = PlanPassedRow(Filled(), kRightEnd).value().staging;
  EXPECT_EQ(staging.HFin, "12.5");
  EXPECT_EQ(staging.V1Fin, "6");
  EXPECT_EQ(staging.V2Fin, "9");
  EXPECT_EQ(staging.MatFin, "L4x4x1/2");
  EXPECT_EQ(staging.LFin, "120");
  EXPECT_EQ(staging.OSLFin, "Long");
}

TEST(IsSingle, PairTextHoldingAOne) {
  EXPECT_TRUE(IsSingle("1"));
  EXPECT_TRUE(IsSingle("12"));
  EXPECT_FALSE(IsSingle("2"));
  EXPECT_FALSE(IsSingle(""));
}

TEST(PlanPassedRow, DispatchesOnThePairChoice) {
  struct Case {
    const char* pair;
    std::vector<std::string_view> templates;
  } cases[] = {{"1", {"WALLBEARANG.PY"}},
               {"2", {"WALLBEARANG.PY", "WALLBEARANGr2.PY"}},
               {"12", {"WALLBEARANG.PY"}}};
  for (const Case& c : cases) {
    RowEntries entries = Filled();
    entries.pair = c.pair;
    const RowCommand command = PlanPassedRow(entries, kRightEnd).value();
    std::vector<std::string_view> templates;
    for (const Pass& pass : command.passes) {
      templates.push_back(pass.template_file);
    }
    EXPECT_EQ(templates, c.templates) << c.pair;
  }
}

}  // namespace
}  // namespace vpa
