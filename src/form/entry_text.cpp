// Text before an edit held only what the store can hold (this rule kept it
// so), so only what an edit brought needs mapping.
#include "form/entry_text.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/code_page_1252.h"

namespace vpa {
namespace {

bool IsLineBreak(char32_t c) {
  return c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029;
}
bool IsBlank(char32_t c) { return c == ' ' || c == '\t' || c == 0xA0; }
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }
// A character the store holds but no one sees: a soft hyphen.
bool IsUnseen(char32_t c) { return c == 0xAD; }

// The first code point of each run of ten decimal digits, other scripts'.
constexpr char32_t kDigitZeros[] = {
    0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090,
    0x17E0,  0x1810,  0x1946,  0x19D0,  0x1A80, 0x1A90, 0x1B50, 0x1BB0, 0x1C40,
    0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10,
    0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6};

// The ASCII character a detailer means by `c`, where there is one: a word
// processor's dashes, curly quotes and no-break space too, which the store
// could hold but no dimension form reads.
std::optional<char16_t> PlainTwin(char32_t c) {
  for (char32_t zero : kDigitZeros) {
    if (c >= zero && c < zero + 10) return char16_t(u'0' + (c - zero));
  }
  if (c >= 0xFF01 && c <= 0xFF5E) return char16_t(c - 0xFEE0);  // fullwidth
  switch (c) {
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
    case 0x2796:
    case 0xFE58:
    case 0xFE63:
      return u'-';
    case 0x2044:
    case 0x2215:
    case 0x29F8:
      return u'/';
    case 0x2018:
    case 0x2019:
    case 0x2032:
      return u'\'';
    case 0x201C:
    case 0x201D:
    case 0x2033:
      return u'"';
    case 0x066B:
      return u'.';
    case 0x00A0:
    case 0x1680:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return u' ';
    default:
      if (c >= 0x2000 && c <= 0x200A) return u' ';
      return std::nullopt;
  }
}

// The code point at `at`, and how many units it takes.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view text, size_t at) {
  const char16_t unit = text[at];
  if (unit >= 0xD800 && unit < 0xDC00 && at + 1 < text.size() &&
      text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000) {
    return {0x10000 + ((unit - 0xD800) << 10) + (text[at + 1] - 0xDC00), 2};
  }
  return {unit, 1};
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
  return out;
}

std::string StandInNote(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
  std::string what;
  if (c == '\t') {
    what = "A tab";
  } else if (IsControl(c) || (c >= 0xD800 && c < 0xE000)) {
    what = std::string("The control character ") + code;
  } else {
    what = "\"" + Utf8(c) + "\" (" + code + ")";
  }
  return what + " cannot be kept in an entry: it stands as \"?\" until you "
         "type what you mean.";
}

// The first line of `text` that holds more than blanks, without them.
std::u16string_view FirstFilledLine(std::u16string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    std::u16string_view line = text.substr(start, end - start);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    if (!line.empty()) return line;
    start = end + 1;
  }
  return {};
}

}  // namespace

BroughtText Bring(std::u16string_view brought, bool pasted) {
  const bool lines = std::any_of(brought.begin(), brought.end(),
                                 [](char16_t c) { return IsLineBreak(c); });
  BroughtText taken;
  if (pasted || lines) {
    const std::u16string_view all = brought;
    brought = FirstFilledLine(all);
    if (brought.empty()) {
      return {u"", "Not taken: the paste held no text.", ""};
    }
    const size_t rest = size_t(brought.data() - all.data()) + brought.size();
    if (!FirstFilledLine(all.substr(rest)).empty()) {
      taken.note = "The paste held more than one line: only its first was "
                   "taken.";
    }
  }
  std::string stand_in;
  for (size_t at = 0; at < brought.size();) {
    const auto [c, units] = CodePointAt(brought, at);
    at += units;
    if (std::optional<char16_t> twin = PlainTwin(c)) {
      taken.text += *twin;
    } else if (!IsControl(c) && !IsUnseen(c) && IsStorable1252(c)) {
      taken.text += char16_t(c);
    } else {
      taken.text += kStandIn;
      if (stand_in.empty()) stand_in = StandInNote(c);
    }
  }
  if (!stand_in.empty()) {
    taken.note += (taken.note.empty() ? "" : "\n") + stand_in;
  }
  return taken;
}

EditedEntry AfterEdit(const BoxBefore& before, std::u16string_view after,
                      size_t cursor) {
  const std::u16string_view old = before.text;
  const size_t start = std::min(before.start, old.size());
  const size_t end = std::clamp(before.end, start, old.size());
  const std::u16string_view head = old.substr(0, start);
  const std::u16string_view tail = old.substr(end);
  const bool inserted = after.size() >= head.size() + tail.size() &&
                        after.substr(0, head.size()) == head &&
                        after.substr(after.size() - tail.size()) == tail &&
                        cursor == after.size() - tail.size();
  if (!inserted) {
    // Nothing was brought in at one place: keep the text whole if it can be.
    BroughtText kept = Bring(after);
    if (!kept.refusal.empty())
      return {std::u16string(old), start, kept.refusal, ""};
    return {kept.text, std::min(cursor, kept.text.size()), "", kept.note};
  }
  const std::u16string_view insertion =
      after.substr(start, after.size() - head.size() - tail.size());
  const bool pasted = !insertion.empty() &&
                     CodePointAt(insertion, 0).second < insertion.size();
  BroughtText brought = Bring(insertion, pasted);
  if (!brought.refusal.empty()) {
    return {std::u16string(old), start, brought.refusal, ""};
  }
  return {std::u16string(head) + brought.text + std::u16string(tail),
          start + brought.text.size(), "", brought.note};
}

}  // namespace vpa
