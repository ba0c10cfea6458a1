// Bytes 0x80 to 0x9F are the only ones that differ from Latin-1.
#include "base/code_page_1252.h"

namespace vpa {
namespace {

constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t CharOf1252(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> ByteOf1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::u16string Decode1252(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) {
    text[i] = CharOf1252(static_cast<unsigned char>(bytes[i]));
  }
  return text;
}

std::string Encode1252(std::u16string_view text) {
  std::string bytes(text.size(), '?');
  for (size_t i = 0; i < text.size(); ++i) {
    // A surrogate half has no byte: a character beyond the first plane
    // gives one "?" per half.
    if (std::optional<unsigned char> byte = ByteOf1252(text[i])) {
      bytes[i] = static_cast<char>(*byte);
    }
  }
  return bytes;
}

std::string Utf8To1252(std::string_view text) {
  std::string bytes;
  for (size_t at = 0; at < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80       ? 1
                       : lead >> 5 == 6  ? 2
                       : lead >> 4 == 14 ? 3
                       : lead >> 3 == 30 ? 4
                                         : 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool whole = length > 0 && at + length <= text.size();
    for (int i = 1; whole && i < length; ++i) {
      const unsigned char next = static_cast<unsigned char>(text[at + i]);
      whole = next >> 6 == 2;
      c = c << 6 | (next & 0x3F);
    }
    std::optional<unsigned char> byte = whole ? ByteOf1252(c) : std::nullopt;
    bytes += byte ? char(*byte) : '?';
    at += whole ? length : 1;
  }
  return bytes;
}

std::string Utf8From1252(std::string_view bytes) {
  std::string text;
  for (char16_t c : Decode1252(bytes)) {
    if (c < 0x80) {
      text += char(c);
    } else if (c < 0x800) {
      text += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    } else {
      text += {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)),
               char(0x80 | (c & 0x3F))};
    }
  }
  return text;
}

}  // namespace vpa
