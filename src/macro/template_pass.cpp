// Template expansion over whole buffers; tokens are replaced one after the
// other over the whole text, so a later token is also found in what an
// earlier one put in.
#include "macro/template_pass.h"

#include <algorithm>

#include "base/text.h"

namespace vpa {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Where the first line ends. A plain scan: find_first_of("\r\n") calls
// memchr once per character and was most of the expansion time.
size_t LineEnd(std::string_view text) {
  auto end = std::find_if(text.begin(), text.end(),
                          [](char c) { return c == '\r' || c == '\n'; });
  return end == text.end() ? std::string_view::npos : end - text.begin();
}

// Every line preceded by CR LF; a line end at the very end makes no line.
std::string JoinLines(std::string_view text) {
  std::string joined;
  joined.reserve(text.size() + text.size() / 16 + 2);
  while (!text.empty()) {
    size_t end = LineEnd(text);
    joined += kCrLf;
    joined += TrimSpaces(text.substr(0, end));
    if (end == std::string_view::npos) break;
    bool cr_lf =
        text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (cr_lf ? 2 : 1));
  }
  return joined;
}

// Appends `text` to `out` with every `token` replaced.
void AppendReplaced(std::string_view text, std::string_view token,
                    std::string_view replacement, std::string& out) {
  size_t from = 0;
  for (size_t at; (at = text.find(token, from)) != std::string_view::npos;
       from = at + token.size()) {
    out.append(text, from, at - from);
    out += replacement;
  }
  out.append(text, from);
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view token,
                       std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  AppendReplaced(text, token, replacement, result);
  return result;
}

std::string TemplatePass(std::string_view template_text, const Staging& staging,
                         std::string_view zzv1, std::string_view fsv01) {
  // A template saved as "UTF-8 with BOM" would carry the mark into the
  // macro, where Python refuses it.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (template_text.substr(0, 3) == kByteOrderMark) {
    template_text.remove_prefix(3);
  }
  std::string text = JoinLines(template_text);
  // Two buffers taking turns: a fresh buffer per token costs a round of page
  // faults on large templates.
  std::string spare;
  auto replace = [&](std::string_view token, std::string_view replacement) {
    spare.clear();
    spare.reserve(text.size());
    AppendReplaced(text, token, replacement, spare);
    text.swap(spare);
  };
  replace("ANGLESHAPE", staging.MatFin);
  replace("zzL", staging.LFin);
  replace("zzH", staging.HFin);
  replace("zzV1", zzv1);
  replace("FSV01", fsv01);
  if (staging.OSLFin == "Short") replace("VT.", "Hz.");
  return text += kCrLf;
}

}  // namespace vpa
