// The code page table against the system's own converter, byte by byte: a
// wrong entry would turn a detailer's character into another unseen.
#include <gtest/gtest.h>

#include <optional>

#include "base/code_page_1252.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace vpa {
namespace {

// What the system makes of `byte` in Windows-1252, or nothing where it
// leaves the byte undefined.
std::optional<char16_t> SystemCharOf(unsigned char byte) {
  const char in = char(byte);
#ifdef _WIN32
  wchar_t out = 0;
  if (MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &in, 1, &out, 1) != 1) {
    return std::nullopt;
  }
  return char16_t(out);
#else
  iconv_t converter = iconv_open("UTF-16LE", "CP1252");
  if (converter == iconv_t(-1)) return std::nullopt;
  char* from = const_cast<char*>(&in);
  size_t from_left = 1;
  unsigned char out[4] = {};
  char* to = reinterpret_cast<char*>(out);
  size_t to_left = sizeof out;
  const bool done = iconv(converter, &from, &from_left, &to, &to_left) == 0 &&
                    to_left == 2;
  iconv_close(converter);
  if (!done) return std::nullopt;
  return char16_t(out[0] | (out[1] << 8));
#endif
}

TEST(CodePage1252, EveryByteAsTheSystemConvertsIt) {
  int defined = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const std::optional<char16_t> system = SystemCharOf(byte);
    // Bytes the code page leaves undefined stand for the C1 controls.
    const char16_t expected = system.value_or(char16_t(byte));
    defined += system.has_value();
    EXPECT_EQ(CharOf1252(byte), expected) << byte;
    EXPECT_EQ(ByteOf1252(expected), byte) << byte;
  }
  EXPECT_GE(defined, 251);
}

}  // namespace
}  // namespace vpa
