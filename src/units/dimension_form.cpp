// Each rule returns where its form ends when it is read from `at`, taking
// the longest reading; an entry is one form when some rule ends at its end.
#include "units/dimension_form.h"

#include <algorithm>
#include <initializer_list>

#include "base/text.h"

namespace vpa {
namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t Digits(std::string_view t, size_t at) {
  while (at < t.size() && IsDigit(t[at])) ++at;
  return at;
}

size_t Spaces(std::string_view t, size_t at) {
  while (at < t.size() && t[at] == ' ') ++at;
  return at;
}

bool At(std::string_view t, size_t at, char c) {
  return at < t.size() && t[at] == c;
}

size_t Longest(std::initializer_list<size_t> ends) {
  size_t longest = kNone;
  for (size_t end : ends) {
    if (end != kNone && (longest == kNone || end > longest)) longest = end;
  }
  return longest;
}

// Digits with at most one point, at least one digit, then an exponent when
// one is all there.
size_t Number(std::string_view t, size_t at) {
  size_t end = Digits(t, at);
  size_t digits = end - at;
  if (At(t, end, '.')) {
    size_t after = Digits(t, end + 1);
    digits += after - end - 1;
    end = after;
  }
  if (digits == 0) return kNone;
  if (At(t, end, 'e') || At(t, end, 'E')) {
    size_t sign = end + 1;
    size_t first = At(t, sign, '+') || At(t, sign, '-') ? sign + 1 : sign;
    size_t last = Digits(t, first);
    if (last > first) end = last;
  }
  return end;
}

// Digits, "/", digits that are not all zeros.
size_t Fraction(std::string_view t, size_t at) {
  size_t slash = Digits(t, at);
  if (slash == at || !At(t, slash, '/')) return kNone;
  size_t end = Digits(t, slash + 1);
  std::string_view denominator = t.substr(slash + 1, end - slash - 1);
  if (denominator.find_first_not_of('0') == kNone) return kNone;
  return end;
}

// Digits, one or more spaces, a fraction.
size_t InchesWithFraction(std::string_view t, size_t at) {
  size_t blank = Digits(t, at);
  size_t fraction = Spaces(t, blank);
  if (blank == at || fraction == blank) return kNone;
  return Fraction(t, fraction);
}

size_t Inches(std::string_view t, size_t at) {
  return Longest({Number(t, at), Fraction(t, at), InchesWithFraction(t, at)});
}

// A number, "-" with spaces around it if any, and inches if any.
size_t FeetAndInches(std::string_view t, size_t at) {
  size_t feet = Number(t, at);
  if (feet == kNone) return kNone;
  size_t minus = Spaces(t, feet);
  if (!At(t, minus, '-')) return kNone;
  size_t inches = Inches(t, Spaces(t, minus + 1));
  return inches == kNone ? minus + 1 : inches;
}

// How much of the trimmed entry `t` one form covers.
size_t FormEnd(std::string_view t) {
  size_t at = At(t, 0, '+') || At(t, 0, '-') ? 1 : 0;
  size_t end = Longest({Inches(t, at), FeetAndInches(t, at)});
  return end == kNone ? 0 : end;
}

bool IsWholeForm(std::string_view entry) { return !UnreadPart(entry); }

std::string Replaced(std::string_view text, std::string_view from,
                     std::string_view to) {
  std::string result;
  for (size_t at = 0; at < text.size();) {
    if (text.substr(at, from.size()) == from) {
      result += to;
      at += from.size();
    } else {
      result += text[at++];
    }
  }
  return result;
}

// An entry mended in one way, or the empty text when the mend does not
// make it one form.
std::string Mended(
    std::string_view entry,
    std::initializer_list<std::pair<std::string_view, std::string_view>>
        mends) {
  std::string mended(TrimSpaces(entry));
  for (const auto& [from, to] : mends) mended = Replaced(mended, from, to);
  return IsWholeForm(mended) ? mended : std::string();
}

bool Holds(std::string_view entry, std::string_view part) {
  return entry.find(part) != kNone;
}

bool HoldsZeroDenominator(std::string_view t) {
  for (size_t slash = t.find('/'); slash != kNone;
       slash = t.find('/', slash + 1)) {
    size_t end = Digits(t, slash + 1);
    // "1/0.5" has a denominator of a decimal, not of 0.
    if (end > slash + 1 && !At(t, end, '.') &&
        t.substr(slash + 1, end - slash - 1).find_first_not_of('0') == kNone) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::string_view> UnreadPart(std::string_view entry) {
  std::string_view t = TrimSpaces(entry);
  size_t end = FormEnd(t);
  if (end == t.size()) return std::nullopt;
  return TrimSpaces(t.substr(end));
}

std::string FormHint(std::string_view entry) {
  // The dashes a word processor types, in Windows-1252 and in UTF-8.
  static constexpr std::string_view kDashes[] = {
      "\x96", "\x97", "\xE2\x80\x93", "\xE2\x80\x94", "\xE2\x88\x92"};
  if (Holds(entry, "'")) {
    std::string mended = Mended(entry, {{"'", "-"}, {"\"", ""}});
    if (!mended.empty()) return "write feet and inches as " + mended;
  }
  if (Holds(entry, "\"")) {
    std::string mended = Mended(entry, {{"\"", ""}});
    if (!mended.empty()) return "write inches without the mark, as " + mended;
  }
  if (Holds(entry, ",")) {
    return "write decimals with a point and no thousands separator";
  }
  for (std::string_view dash : kDashes) {
    if (!Holds(entry, dash)) continue;
    std::string mended = Mended(entry, {{kDashes[0], "-"},
                                        {kDashes[1], "-"},
                                        {kDashes[2], "-"},
                                        {kDashes[3], "-"},
                                        {kDashes[4], "-"}});
    if (!mended.empty())
      return "type the minus sign with the - key, as " + mended;
  }
  if (HoldsZeroDenominator(entry))
    return "a fraction's denominator cannot be 0";
  if (std::any_of(entry.begin(), entry.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
      })) {
    return "a dimension is one line, without tabs or line breaks";
  }
  if (Holds(entry, "O") || Holds(entry, "o")) {
    std::string mended = Mended(entry, {{"O", "0"}, {"o", "0"}});
    if (!mended.empty()) return "the letter O is not a zero: write " + mended;
  }
  return {};
}

}  // namespace vpa
