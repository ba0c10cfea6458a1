// The store names are the ones detailers' TextFiles already hold; they are
// written out here, never derived from a control's name.
#include "form/fields.h"

#include <algorithm>

#include "catalogue/angle_catalogue.h"

namespace vpa {
namespace {

constexpr FieldColumn kColumns[] = {
    {RowField::kH, "H", "zzH", "H", Role::kH, {}},
    {RowField::kV1, "V", "zzV", "V1", Role::kV1, {}},
    {RowField::kV2, "W", "zzW", "V2", Role::kV2, {}},
    {RowField::kL, "L", "zzL", "L", Role::kL, {}},
    {RowField::kSection, "MAT", "MAT", "material", Role::kSection,
     kAngleCatalogue},
    {RowField::kLeg, "OSL", "OSL", "outstanding leg", Role::kLeg, kLegChoices},
    {RowField::kPair, "Pair", "Pair", "pairs", Role::kPair, kPairChoices},
    {RowField::kEnd, "BS", "BS", "Add angles to", Role::kEnd, kEndChoices},
};

std::vector<StoredField> AllFields() {
  std::vector<StoredField> fields;
  for (const FieldColumn& column : kColumns) {
    const bool end = column.field == RowField::kEnd;
    for (int row = end ? 0 : 1; row <= (end ? 0 : kRowCount); ++row) {
      const std::string n = end ? "" : std::to_string(row);
      fields.push_back({std::string(column.store_stem) + n,
                        std::string(column.control_stem) + n, column.field,
                        column.role, row, int(column.items.size())});
    }
  }
  return fields;
}

}  // namespace

std::span<const FieldColumn> FieldColumns() { return kColumns; }

const FieldColumn& ColumnOf(RowField field) {
  return *std::find_if(std::begin(kColumns), std::end(kColumns),
                       [&](const FieldColumn& c) { return c.field == field; });
}

const FieldColumn* ColumnOf(Role role) {
  auto column =
      std::find_if(std::begin(kColumns), std::end(kColumns),
                   [&](const FieldColumn& c) { return c.role == role; });
  return column == std::end(kColumns) ? nullptr : &*column;
}

const std::vector<StoredField>& StoredFields() {
  static const std::vector<StoredField> fields = AllFields();
  return fields;
}

const StoredField* FieldOfControl(std::string_view control) {
  const std::vector<StoredField>& fields = StoredFields();
  auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
    return f.control == control;
  });
  return field == fields.end() ? nullptr : &*field;
}

std::string ControlName(int row, RowField field) {
  const FieldColumn& column = ColumnOf(field);
  std::string name(column.control_stem);
  return field == RowField::kEnd ? name : name + std::to_string(row);
}

}  // namespace vpa
