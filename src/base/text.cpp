// Escapes are written after the cut, so an escape is never cut in half.
#include "base/text.h"

#include "base/code_page_1252.h"

namespace vpa {
namespace {

constexpr size_t kQuotedLength = 40;

}  // namespace

std::string ShowEntry(std::string_view entry) {
  bool cut = entry.size() > kQuotedLength;
  std::string quoted;
  for (char c : entry.substr(0, kQuotedLength)) {
    unsigned char byte = static_cast<unsigned char>(c);
    char16_t shown = CharOf1252(byte);
    if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (shown < 0x20 || (shown >= 0x7F && shown < 0xA0)) {
      constexpr char kHex[] = "0123456789ABCDEF";
      quoted += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    } else {
      quoted += c;
    }
  }
  return cut ? quoted + "..." : quoted;
}

}  // namespace vpa
