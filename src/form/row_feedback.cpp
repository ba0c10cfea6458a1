// An entry without a single digit reads as 0; its reading says so, so that
// it is not taken for a typed 0.
#include "form/row_feedback.h"

#include <algorithm>

#include "form/fields.h"

namespace vpa {
namespace {

bool HasDigit(std::string_view entry) {
  return std::any_of(entry.begin(), entry.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

EntryReading ReadEntry(RowField field, std::string_view entry) {
  const std::string shown =
      entry.empty() ? std::string("(empty)") : std::string(entry);
  if (std::optional<FieldRefusal> refusal = DimensionRefusal(field, entry)) {
    return {true, shown + "\n" + refusal->reason};
  }
  std::string reading = "= " + StageDimension(entry).value() + " in";
  if (!HasDigit(entry)) reading += ", no digits";
  return {false, shown + "\n" + reading};
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
