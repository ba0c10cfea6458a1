// The store names are the ones detailers' TextFiles already hold; they are
// written out here, never derived from a control's name.
#include "form/fields.h"

#include <algorithm>

#include "catalogue/angle_catalogue.h"

namespace vpa {
namespace {

constexpr FieldColumn kColumns[] = {
    {RowField::kH, "H", "zzH", "H", {}},
    {RowField::kV1, "V", "zzV", "V1", {}},
    {RowField::kV2, "W", "zzW", "V2", {}},
    {RowField::kL, "L", "zzL", "L", {}},
    {RowField::kSection, "MAT", "MAT", "material", kAngleCatalogue},
    {RowField::kLeg, "OSL", "OSL", "outstanding leg", kLegChoices},
    {RowField::kPair, "Pair", "Pair", "pairs", kPairChoices},
    {RowField::kEnd, "BS", "BS", "Add angles to", kEndChoices},
};

std::vector<StoredField> AllFields() {
  std::vector<StoredField> fields;
  for (const FieldColumn& column : kColumns) {
    const bool end = column.field == RowField::kEnd;
    for (int row = end ? 0 : 1; row <= (end ? 0 : kRowCount); ++row) {
      const std::string n = end ? "" : std::to_string(row);
      fields.push_back({std::string(column.store_stem) + n,
                        std::string(column.control_stem) + n, column.field, row,
                        column.items});
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
