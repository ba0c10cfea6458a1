// The numbers are the staged texts as the macro reads them: float() of the
// text, which for every staged form is what its digits say.
#include "form/preview_row.h"

#include <charconv>

#include "base/code_page_1252.h"
#include "catalogue/angle_catalogue.h"
#include "form/row_glue.h"
#include "form/unreadable_fields.h"
#include "staging/row_refusal.h"
#include "units/dimension.h"

namespace vpa {
namespace {

double StagedInches(std::string_view entry) {
  Result<std::string> staged = StageDimension(entry);
  if (!staged.ok()) return 0;
  const std::string& text = staged.value();
  double inches = 0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), inches);
  if (error == std::errc() && end == text.data() + text.size()) return inches;
  Result<DimensionValue> value = ParseDimension(text);
  return value.ok() ? AsNumber(value.value()) : 0;
}

PreviewEnds EndsOf(std::string_view end) {
  if (end == kLeftEnd) return PreviewEnds::kLeft;
  if (end == kBothEnds) return PreviewEnds::kBoth;
  return PreviewEnds::kRight;
}

}  // namespace

std::optional<PreviewRow> PreviewRowOf(const RowEntries& entries,
                                       std::string_view end) {
  if (!RowRefusals(entries, end).empty()) return std::nullopt;
  PreviewRow row;
  row.h = StagedInches(entries.h);
  row.v1 = StagedInches(entries.v1);
  row.v2 = StagedInches(entries.v2);
  row.l = StagedInches(entries.l);
  row.h_text = Utf8From1252(entries.h);
  row.v1_text = Utf8From1252(entries.v1);
  row.v2_text = Utf8From1252(entries.v2);
  row.l_text = Utf8From1252(entries.l);
  row.section = Utf8From1252(entries.section);
  row.long_leg = entries.leg == "Long";
  row.pair = !IsSingle(entries.pair);
  row.ends = EndsOf(end);
  return row;
}

std::optional<PreviewRow> PreviewFormRow(const StoredForm& stored, int row,
                                         const FormState& state) {
  if (!UnreadableRowMessage(row, stored.Unreadable(state)).empty()) {
    return std::nullopt;
  }
  return PreviewRowOf(EntriesOf(state.rows[row - 1]), EndChoiceAt(state.end));
}

}  // namespace vpa
