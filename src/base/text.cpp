// Escapes are written after the cut, so an escape is never cut in half.
#include "base/text.h"

#include "base/code_page_1252.h"

namespace vpa {
namespace {

constexpr size_t kQuotedLength = 40;

void AppendEscaped(std::string& text, unsigned char byte) {
  constexpr char kHex[] = "0123456789ABCDEF";
  text += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
}

// The length of the well-formed UTF-8 character at `at` (no overlong form,
// no surrogate, nothing beyond U+10FFFF), or 0.
size_t Utf8Length(std::string_view text, size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || at + length > text.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(text[at + 1]);
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (second < low || second > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// A UTF-8 character that shows as itself: not a C1 control.
size_t ShownUtf8Length(std::string_view text, size_t at) {
  size_t length = Utf8Length(text, at);
  bool control = length == 2 && static_cast<unsigned char>(text[at]) == 0xC2 &&
                 static_cast<unsigned char>(text[at + 1]) < 0xA0;
  return length > 1 && !control ? length : 0;
}

void AppendShown(std::string& quoted, char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  char16_t shown = CharOf1252(byte);
  if (c == '\n') {
    quoted += "\\n";
  } else if (c == '\t') {
    quoted += "\\t";
  } else if (shown < 0x20 || (shown >= 0x7F && shown < 0xA0)) {
    AppendEscaped(quoted, byte);
  } else {
    quoted += c;
  }
}

bool IsUtf8(std::string_view text) {
  for (size_t at = 0, length; at < text.size(); at += length) {
    if ((length = Utf8Length(text, at)) == 0) return false;
  }
  return true;
}

}  // namespace

// An entry of the store's code page is rarely UTF-8 throughout; one that is
// came from a command line.
std::string ShowEntry(std::string_view entry) {
  const bool utf8 = IsUtf8(entry);
  std::string quoted;
  size_t at = 0;
  for (size_t shown = 0; at < entry.size() && shown < kQuotedLength; ++shown) {
    size_t length = utf8 ? ShownUtf8Length(entry, at) : 0;
    if (length > 0) {
      quoted += entry.substr(at, length);
      at += length;
    } else {
      AppendShown(quoted, entry[at++]);
    }
  }
  return at < entry.size() ? quoted + "..." : quoted;
}

std::string EscapeNonUtf8(std::string_view text) {
  std::string escaped;
  for (size_t at = 0; at < text.size();) {
    size_t length = Utf8Length(text, at);
    if (length > 0) {
      escaped += text.substr(at, length);
      at += length;
    } else {
      AppendEscaped(escaped, static_cast<unsigned char>(text[at++]));
    }
  }
  return escaped;
}

}  // namespace vpa
