// Expands an arbitrary template. A text without tokens must come back as
// its lines, each trimmed of spaces and preceded by CR LF, and one closing
// CR LF, without a byte-order mark at its start; the expected block is built
// here byte by byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "macro/template_pass.h"

namespace {

constexpr std::string_view kTokens[] = {"ANGLESHAPE", "zzL",   "zzH",
                                        "zzV1",       "FSV01", "VT."};

bool HasToken(std::string_view text) {
  for (std::string_view token : kTokens) {
    if (text.find(token) != std::string_view::npos) return true;
  }
  return false;
}

std::string Trimmed(const std::string& line) {
  size_t first = 0;
  size_t last = line.size();
  while (first < last && line[first] == ' ') ++first;
  while (last > first && line[last - 1] == ' ') --last;
  return line.substr(first, last - first);
}

// CR LF, LF and a lone CR each end a line; a last line may lack its end. A
// UTF-8 byte-order mark at the start is no part of the first line.
std::string ExpectedBlock(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string block;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      open = true;
      continue;
    }
    block += "\r\n" + Trimmed(line);
    line.clear();
    open = false;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (open) block += "\r\n" + Trimmed(line);
  return block + "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  vpa::Staging staging = {"12.5", "6", "9", "L4x4x1/2", "120", "Short"};
  std::string block = vpa::TemplatePass(text, staging, "6", "126");
  if (!HasToken(text) && block != ExpectedBlock(text)) std::abort();
  return 0;
}
