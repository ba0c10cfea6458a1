// Template expansion: the block layout, line ends, trimming and tokens.
#include "macro/template_pass.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

Staging Row() { return {"12.5", "6", "9", "L4x4x1/2", "120", "Long"}; }

TEST(ReplaceAll, EdgeCases) {
  struct Case {
    const char *text, *token, *replacement, *result;
  } cases[] = {
      {"", "zzL", "1", ""},
      {"no token here", "zzL", "1", "no token here"},
      {"zzL+zzL", "zzL", "", "+"},
      {"azzLb", "zzL", "12", "a12b"},
      {"aaa", "aa", "X", "Xa"},
      {"zzL", "zzL", "zzLzzL", "zzLzzL"},
      {"ZZL zzl", "zzL", "1", "ZZL zzl"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.token, c.replacement), c.result) << c.text;
  }
}

TEST(TemplatePass, BlockLayout) {
  struct Case {
    const char* name;
    std::string template_text;
    std::string block;
  } cases[] = {
      {"empty template", "", "\r\n"},
      {"two lines", "A\r\nB\r\n", "\r\nA\r\nB\r\n"},
      {"no final line end", "A\r\nB", "\r\nA\r\nB\r\n"},
      {"LF line ends", "A\nB\n", "\r\nA\r\nB\r\n"},
      {"lone CR line ends", "A\rB\r", "\r\nA\r\nB\r\n"},
      {"blank lines stay", "A\r\n\r\nB", "\r\nA\r\n\r\nB\r\n"},
      {"only a line end", "\r\n", "\r\n\r\n"},
      {"UTF-8 byte-order mark dropped",
       "\xEF\xBB\xBF"
       "A\r\nB",
       "\r\nA\r\nB\r\n"},
      {"a mark elsewhere stays", "A\xEF\xBB\xBF", "\r\nA\xEF\xBB\xBF\r\n"},
      {"spaces trimmed", "  x = 1  \r\n", "\r\nx = 1\r\n"},
      {"spaces only", "    \r\n", "\r\n\r\n"},
      {"tabs kept", "\tx = 1\t\r\n", "\r\n\tx = 1\t\r\n"},
      {"bytes kept", std::string("\x00\xff\xe9", 3),
       std::string("\r\n\x00\xff\xe9\r\n", 7)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TemplatePass(c.template_text, Row(), "6", "126"), c.block)
        << c.name;
  }
}

TEST(TemplatePass, ReplacesEveryToken) {
  std::string block =
      TemplatePass("s=ANGLESHAPE l=zzL h=zzH v=zzV1 f=FSV01 k=VT. again=zzHzzH",
                   Row(), "6", "126");
  EXPECT_EQ(block,
            "\r\ns=L4x4x1/2 l=120 h=12.5 v=6 f=126 k=VT. again=12.512.5\r\n");
}

TEST(TemplatePass, ShortLegOnlyWhenExactlyShort) {
  struct Case {
    const char* leg;
    const char* result;
  } cases[] = {{"Short", "Hz."},  {"Long", "VT."}, {"short", "VT."},
               {"Short ", "VT."}, {"", "VT."},     {"SHORT", "VT."}};
  for (const Case& c : cases) {
    Staging staging = Row();
    staging.OSLFin = c.leg;
    EXPECT_EQ(TemplatePass("VT.", staging, "", ""),
              std::string("\r\n") + c.result + "\r\n")
        << c.leg;
  }
}

TEST(TemplatePass, LaterTokensAreFoundInEarlierReplacements) {
  Staging staging = Row();
  staging.MatFin = "zzH";  // put in by step 1, replaced by step 3
  staging.LFin = "";       // an empty field removes its token
  EXPECT_EQ(TemplatePass("ANGLESHAPE|zzL|zzV1", staging, "FSV01", "7"),
            "\r\n12.5||7\r\n");
}

// Each step's text holds the next step's token: the chain runs through only
// in the fixed order, and any two steps swapped break it.
TEST(TemplatePass, TokensAreReplacedInTheirFixedOrder) {
  const Staging chain = {"zzV1", "", "", "zzL", "zzH", "Short"};
  EXPECT_EQ(TemplatePass("ANGLESHAPE", chain, "FSV01", "VT."),
            "\r\nHz.\r\n");
}

TEST(TemplatePass, ExpandsLargeTemplates) {
  std::string big;
  for (int i = 0; i < 200000; ++i) big += "zzL zzH zzV1 FSV01 ANGLESHAPE\r\n";
  std::string block = TemplatePass(big, Row(), "6", "126");
  EXPECT_EQ(block.size(),
            2 + 200000 * std::string("120 12.5 6 126 L4x4x1/2\r\n").size());
}

}  // namespace
}  // namespace vpa
