// Quoted entries in one-line messages, and the Windows-1252 code page.
#include "base/text.h"

#include <gtest/gtest.h>

#include "base/code_page_1252.h"
#include "staging/row_check.h"

namespace vpa {
namespace {

TEST(QuoteEntry, OneLineAndShort) {
  const struct {
    std::string entry, quoted;
  } cases[] = {
      {"1-0 1/2", "\"1-0 1/2\""},
      {"1\n2", "\"1\\n2\""},
      {"\t6\r", "\"\\t6\\x0D\""},
      {std::string("a\0b\x7f", 4), "\"a\\x00b\\x7F\""},
      {"\x81\x8d\x8f\x90\x9d", "\"\\x81\\x8D\\x8F\\x90\\x9D\""},
      {"1\xe9 \x80", "\"1\xe9 \x80\""},  // printable in the code page
      {std::string(40, 'x'), "\"" + std::string(40, 'x') + "\""},
      {std::string(41, 'x'), "\"" + std::string(40, 'x') + "...\""},
      {std::string(39, 'x') + "\n\n", "\"" + std::string(39, 'x') + "\\n...\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteEntry(c.entry), c.quoted);
}

// A command line gives UTF-8: its characters stay whole, cut or not. An
// entry that is not UTF-8 throughout is shown byte by byte, as before.
TEST(QuoteEntry, Utf8CharactersStayWhole) {
  const std::pair<std::string, std::string> cases[] = {
      {"1\xC3\x81\xE2\x81\x84\xF0\x9F\x98\x90",
       "\"1\xC3\x81\xE2\x81\x84\xF0\x9F\x98\x90\""},
      {"\xC2\x81", "\"\xC2\\x81\""},  // a C1 control
      {"\xE2\x81\x84\xC1", "\"\xE2\\x81\x84\xC1\""},
      {std::string(39, 'x') + "\xE2\x81\x84" + "x",
       "\"" + std::string(39, 'x') + "\xE2\x81\x84...\""},
  };
  for (const auto& [entry, quoted] : cases)
    EXPECT_EQ(QuoteEntry(entry), quoted);
}

TEST(EscapeNonUtf8, KeepsUtf8AndEscapesTheRest) {
  EXPECT_EQ(EscapeNonUtf8("a\n\xC3\x81\xF0\x9F\x98\x90"),
            "a\n\xC3\x81\xF0\x9F\x98\x90");
  EXPECT_EQ(EscapeNonUtf8("1\xC3 \x81\xC0\xAF\xED\xA0\x80"),
            "1\\xC3 \\x81\\xC0\\xAF\\xED\\xA0\\x80");
}

TEST(QuoteEntry, RefusalsAreOneShortLine) {
  for (std::string entry :
       {std::string("1x\n-2\n"), std::string(100000, '7') + "x-1",
        "x-" + std::string(100000, '7'), std::string(100000, '9') + "-x"}) {
    const DimensionCheck check = CheckDimension(RowField::kH, entry);
    ASSERT_FALSE(check.dimension);
    EXPECT_EQ(check.refusal->reason.find('\n'), std::string::npos)
        << check.refusal->reason;
    EXPECT_LT(check.refusal->reason.size(), 300u) << check.refusal->reason;
  }
}

TEST(CodePage1252, EveryByteRoundTrips) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  std::u16string text = Decode1252(bytes);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(Encode1252(text), bytes);
  EXPECT_EQ(text[0xE9], u'\u00E9');
  EXPECT_EQ(text[0x80], u'\u20AC');
  EXPECT_EQ(text[0x9F], u'\u0178');
  EXPECT_EQ(text[0x81], u'\u0081');  // undefined in the code page
}

TEST(CodePage1252, CharactersWithoutAByte) {
  for (char32_t c :
       {U'\u0100', U'\u2028', U'\uFFFD', U'\U0001F600', U'\u0080', U'\u009F'}) {
    EXPECT_FALSE(IsStorable1252(c)) << static_cast<unsigned>(c);
  }
  EXPECT_EQ(Encode1252(u"1\u01002\U0001F600"), "1?2??");
  EXPECT_EQ(ByteOf1252(U'\u20AC'), 0x80);
  EXPECT_TRUE(IsStorable1252(U'\u00FF'));
}

}  // namespace
}  // namespace vpa
