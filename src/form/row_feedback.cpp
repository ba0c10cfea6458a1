// An entry without a single digit reads as 0; its reading says so, so that
// it is not taken for a typed 0.
#include "form/row_feedback.h"

#include <algorithm>

#include "base/code_page_1252.h"
#include "form/fields.h"

namespace vpa {
namespace {

bool HasDigit(std::string_view entry) {
  return std::any_of(entry.begin(), entry.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// One line of text as at most kReadingLines lines of kReadingWidth.
std::string WrappedLine(std::string_view line) {
  std::string out;
  for (size_t lines = 1; line.size() > kReadingWidth; ++lines) {
    if (lines == kReadingLines) {
      return out + std::string(line.substr(0, kReadingWidth - 3)) + "...";
    }
    size_t cut = line.rfind(' ', kReadingWidth);
    if (cut == std::string_view::npos || cut < kReadingWidth / 2) {
      cut = kReadingWidth;
    }
    out += std::string(line.substr(0, cut)) + "\n";
    line.remove_prefix(cut);
    if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  }
  return out + std::string(line);
}

}  // namespace

std::string Wrapped(std::string_view text) {
  std::string out;
  for (size_t start = 0;;) {
    const size_t end = text.find('\n', start);
    out += WrappedLine(text.substr(start, end - start));
    if (end == std::string_view::npos) return out;
    out += '\n';
    start = end + 1;
  }
}

std::string RefusedEditReading(std::string_view entry,
                               std::string_view refusal) {
  const std::string shown =
      entry.empty() ? std::string("(empty)") : Utf8From1252(Wrapped(entry));
  return shown + "\n" + Wrapped(refusal);
}

// A "?" stands where the box was given a character it cannot keep.
constexpr std::string_view kStandInHint =
    "\n\"?\" stands for a character an entry cannot keep";

EntryReading ReadEntry(RowField field, std::string_view entry) {
  const std::string shown =
      entry.empty() ? std::string("(empty)") : std::string(entry);
  const DimensionCheck check = CheckDimension(field, entry);
  if (check.refusal) {
    std::string reading = shown + "\n" + check.refusal->reason;
    if (entry.find('?') != std::string_view::npos) reading += kStandInHint;
    return {true, Wrapped(reading)};
  }
  std::string reading = "= " + check.dimension->staged + " in";
  if (!HasDigit(entry)) reading += ", no digits";
  return {false, Wrapped(shown + "\n" + reading)};
}

std::string FirstRefusedControl(int row,
                                const std::vector<FieldRefusal>& refusals) {
  return refusals.empty() ? std::string()
                          : ControlName(row, refusals.front().field);
}

std::string RunTooltip(int row) {
  return "Write row " + std::to_string(row) +
         "'s macro, copy its path, minimise; then in SDS/2 pick the beams "
         "and right click";
}

std::string WrittenTooltip(int row, std::string_view time,
                           std::string_view path) {
  return RunTooltip(row) + "\nAt " + std::string(time) + " this row wrote " +
         std::string(path) + "; the path is on the clipboard.";
}

}  // namespace vpa
