// The form's stored fields as plain values: what the field store keeps of
// the form between runs, loaded and saved in one fixed order.
#ifndef VPA_FORM_FORM_STATE_H_
#define VPA_FORM_FORM_STATE_H_

#include <array>
#include <string>
#include <vector>

#include "base/program_folder.h"
#include "base/result.h"
#include "form/fields.h"
#include "form/layout.h"
#include "form/unreadable_fields.h"
#include "staging/row_entries.h"
#include "store/field_store.h"

namespace vpa {

// The stored fields as the row check takes them: each row's entries, and
// the end choice; a list with nothing selected gives the empty text.
struct FormState {
  std::array<RowEntries, kRowCount> rows;
  std::string end;

  friend bool operator==(const FormState&, const FormState&) = default;
};

// The field's text in `state`: a list's item, or the empty text.
std::string& TextOf(FormState& state, const StoredField& field);
const std::string& TextOf(const FormState& state, const StoredField& field);

// A list field's position in `state` (-1 when nothing is selected), and
// the item at `index` (none for a position that is not one of the list's).
int IndexOf(const FormState& state, const StoredField& field);
void SetIndex(FormState& state, const StoredField& field, int index);

// The stored form, each field read once. A missing or unreadable field
// reads as the empty text, and so does a position that is not one of its
// list's; the unreadable ones are added to `unreadable` when it is given.
FormState LoadFormState(const ProgramFolder& folder,
                        std::vector<UnreadableField>* unreadable = nullptr);

// Saves the 36 fields, each attempted; a failed save keeps the field's
// former value and the first failure is the result.
Status SaveFormState(const ProgramFolder& folder, const FormState& state);

// The form as a window keeps it in the store: it remembers what it loaded
// and what it saved since, and saves only the fields that changed in the
// window. So a window never writes back a value it merely showed, which
// another window may have replaced meanwhile, and a field file that could
// not be read is left alone unless its control changed.
class StoredForm {
 public:
  explicit StoredForm(ProgramFolder folder) : folder_(std::move(folder)) {}

  const ProgramFolder& folder() const { return folder_; }

  // Loads every field and remembers it, and which could not be read.
  FormState Load();

  // The fields whose files could not be read and that `now` still holds as
  // loaded: the detailer has not changed them, and they are not saved.
  std::vector<UnreadableField> Unreadable(const FormState& now) const;

  // Saves the fields of `now` that differ from what was last loaded or
  // saved, each attempted; the first failure is the result, and a field
  // that failed counts as changed still.
  Status Save(const FormState& now);

  // Save for the saves no one asked for, as entries are typed and at a Run:
  // the message to show at once, without stopping the detailer, when it
  // failed and saving had not failed since it last succeeded; else empty.
  std::string SaveAsTyped(const FormState& now);

 private:
  ProgramFolder folder_;
  FormState stored_;
  std::vector<UnreadableField> unreadable_;  // until saved
  bool failure_told_ = false;
};

// While entries are typed they are saved within this time of a change.
inline constexpr int kSaveDelayMs = 1000;

}  // namespace vpa

#endif  // VPA_FORM_FORM_STATE_H_
