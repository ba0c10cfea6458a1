// The 36 stored fields as one table: each column's store name, control
// name and items, from which every name and every mapping between field,
// control and caption is derived. A control can thus be renamed
// without cutting detailers off from their saved entries.
#ifndef VPA_FORM_FIELDS_H_
#define VPA_FORM_FIELDS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/layout.h"
#include "staging/row_entries.h"

namespace vpa {

// One column of stored fields: a row entry (stems followed by the row
// number) or the end choice (the stems alone).
struct FieldColumn {
  RowField field;
  std::string_view store_stem;    // "H" keeps row 1's H in TextFiles/H1.TXT
  std::string_view control_stem;  // "zzH" names row 1's box zzH1
  std::string_view spoken;        // the caption in words: "outstanding leg"
  std::span<const std::string_view> items;  // a list's items; empty: a text
};

// The columns in the order their fields are saved: the row texts H, V, W
// and L, then the lists MAT, OSL and Pair, then BS.
std::span<const FieldColumn> FieldColumns();

// The column of `field`.
const FieldColumn& ColumnOf(RowField field);

// A stored field: one column's field in one row.
struct StoredField {
  std::string name;     // the store's name: "H1", "MAT3", "BS"
  std::string control;  // the control's name: "zzH1", "MAT3", "BS"
  RowField field;
  int row;                                  // 1 to 5, 0 for BS
  std::span<const std::string_view> items;  // a list's items; empty: a text

  std::string_view caption() const { return FieldCaption(field); }
};

// The 36 stored fields in the order they are saved: each column for rows 1
// to 5 in turn.
const std::vector<StoredField>& StoredFields();

// The stored field held by the control named `control`, or nullptr.
const StoredField* FieldOfControl(std::string_view control);

// The control that holds `field` in row `row` (1 to 5): "zzH3", "MAT3",
// "Pair3"; "BS" for the end choice.
std::string ControlName(int row, RowField field);

}  // namespace vpa

#endif  // VPA_FORM_FIELDS_H_
