// The preview draws the checked row: the numbers are the staged texts as
// the macro reads them, and the texts the entries as typed.
#include "form/preview_row.h"

#include "base/code_page_1252.h"
#include "form/unreadable_fields.h"
#include "staging/row_check.h"

namespace vpa {
namespace {

PreviewEnds EndsOf(EndChoice end) {
  switch (end) {
    case EndChoice::kLeft:
      return PreviewEnds::kLeft;
    case EndChoice::kBoth:
      return PreviewEnds::kBoth;
    case EndChoice::kRight:
      break;
  }
  return PreviewEnds::kRight;
}

}  // namespace

PreviewRow PreviewOf(const CheckedRow& checked) {
  PreviewRow row;
  row.h = checked.h.inches;
  row.v1 = checked.v1.inches;
  row.v2 = checked.v2.inches;
  row.l = checked.l.inches;
  row.h_text = Utf8From1252(checked.h.typed);
  row.v1_text = Utf8From1252(checked.v1.typed);
  row.v2_text = Utf8From1252(checked.v2.typed);
  row.l_text = Utf8From1252(checked.l.typed);
  row.section = Utf8From1252(checked.section);
  row.long_leg = checked.leg == "Long";
  row.pair = !checked.single;
  row.ends = EndsOf(checked.end);
  return row;
}

std::optional<PreviewRow> PreviewRowOf(const RowEntries& entries,
                                       std::string_view end) {
  const RowCheck check = CheckRow(entries, end);
  if (!check.row) return std::nullopt;
  return PreviewOf(*check.row);
}

std::optional<PreviewRow> PreviewFormRow(const StoredForm& stored, int row,
                                         const FormState& state) {
  if (AnyStopsRow(stored.Unreadable(state), row)) return std::nullopt;
  return PreviewRowOf(state.rows[row - 1], state.end);
}

}  // namespace vpa
