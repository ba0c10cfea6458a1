// An entry without a single digit reads as 0; its reading says so, so that
// it is not taken for a typed 0.
#include "form/row_feedback.h"

#include <algorithm>

#include "form/layout.h"

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
  if (std::optional<std::string> refusal = DimensionRefusal(field, entry)) {
    return {true, shown + "\n" + *refusal};
  }
  std::string reading = "= " + StageDimension(entry).value() + " in";
  if (!HasDigit(entry)) reading += ", no digits";
  return {false, shown + "\n" + reading};
}

// Names come from the layout table, found by the control's role.
std::string ControlName(int row, RowField field) {
  static constexpr Role kRoles[] = {Role::kH,       Role::kV1, Role::kV2,
                                    Role::kSection, Role::kL,  Role::kLeg,
                                    Role::kPair,    Role::kEnd};
  static const std::vector<FormControl> layout = FormLayout({});
  const Role role = kRoles[static_cast<int>(field)];
  for (const FormControl& control : layout) {
    if (control.role == role && (role == Role::kEnd || control.row == row)) {
      return control.name;
    }
  }
  return {};
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
