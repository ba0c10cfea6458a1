// Messages name the file in full, so the detailer can find it and mend or
// remove it.
#include "form/unreadable_fields.h"

#include <algorithm>

#include "base/code_page_1252.h"
#include "base/files.h"
#include "form/form_state.h"
#include "staging/row_check.h"

namespace vpa {
namespace {

std::string CannotRead(const UnreadableField& unreadable) {
  std::error_code error;
  std::filesystem::path file =
      std::filesystem::absolute(unreadable.file, error);
  if (error) file = unreadable.file;
  return "the saved value in " + PathText(file.lexically_normal()) +
         " cannot be read (" + unreadable.reason + ")";
}

}  // namespace

std::vector<UnreadableField> UnreadableFields(const ProgramFolder& folder) {
  std::vector<UnreadableField> unreadable;
  LoadFormState(folder, &unreadable);
  return unreadable;
}

bool StopsRow(const UnreadableField& unreadable, int row) {
  return unreadable.field->row == row || unreadable.field->row == 0;
}

bool AnyStopsRow(const std::vector<UnreadableField>& unreadable, int row) {
  return std::any_of(unreadable.begin(), unreadable.end(),
                     [row](const auto& each) { return StopsRow(each, row); });
}

std::string UnreadableRowMessage(
    int row, const std::vector<UnreadableField>& unreadable,
    const FormState& state) {
  std::string lines;
  std::vector<RowField> unread;
  for (const UnreadableField& each : unreadable) {
    if (!StopsRow(each, row)) continue;
    lines += "\n" + std::string(each.field->caption()) + ": " +
             CannotRead(each) + ".";
    unread.push_back(each.field->field);
  }
  if (lines.empty()) return lines;
  std::vector<FieldRefusal> others;
  for (FieldRefusal& refusal :
       CheckRow(state.rows[row - 1], state.end).refusals) {
    if (std::find(unread.begin(), unread.end(), refusal.field) ==
        unread.end()) {
      others.push_back(std::move(refusal));
    }
  }
  // The heading is the Run's own; the lines stay in UTF-8, paths and all.
  const std::string refused = Utf8From1252(RefusalMessage(row, others));
  const size_t heading = refused.find('\n');
  if (heading == std::string::npos) return refused + lines;
  return refused.substr(0, heading) + lines + refused.substr(heading);
}

std::string UnreadableReading(const UnreadableField& unreadable) {
  std::string reading = CannotRead(unreadable);
  reading[0] = 'T';
  return reading + (unreadable.field->items.empty() ? "; type the entry again"
                                                    : "; choose again");
}

}  // namespace vpa
