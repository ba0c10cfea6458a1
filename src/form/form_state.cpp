// The form's stored fields as plain values, moved to and from the store in
// the field table's order.
#include "form/form_state.h"

#include <algorithm>

#include "store/field_store.h"

namespace vpa {

std::string& TextOf(FormState& state, const StoredField& field) {
  return field.row == 0 ? state.end : state.rows[field.row - 1][field.field];
}
const std::string& TextOf(const FormState& state, const StoredField& field) {
  return field.row == 0 ? state.end : state.rows[field.row - 1][field.field];
}

int IndexOf(const FormState& state, const StoredField& field) {
  auto item =
      std::find(field.items.begin(), field.items.end(), TextOf(state, field));
  return item == field.items.end() ? -1 : int(item - field.items.begin());
}

void SetIndex(FormState& state, const StoredField& field, int index) {
  TextOf(state, field) = index >= 0 && index < int(field.items.size())
                             ? std::string(field.items[index])
                             : std::string();
}

namespace {

Status SaveOne(const ProgramFolder& folder, const FormState& state,
               const StoredField& field) {
  return field.items.empty()
             ? SaveField(folder, field.name, TextOf(state, field))
             : SaveField(folder, field.name, IndexOf(state, field));
}

}  // namespace

FormState LoadFormState(const ProgramFolder& folder,
                        std::vector<UnreadableField>* unreadable) {
  FormState state;
  for (const StoredField& field : StoredFields()) {
    StoredFieldText stored = LoadStoredField(folder, field.name);
    if (stored.unreadable && unreadable != nullptr) {
      unreadable->push_back(
          {&field, folder.FieldFile(field.name), *stored.unreadable});
    }
    if (field.items.empty()) {
      TextOf(state, field) = std::move(stored.text);
    } else {
      SetIndex(state, field, StoredIndex(stored.text, int(field.items.size())));
    }
  }
  return state;
}

Status SaveFormState(const ProgramFolder& folder, const FormState& state) {
  Status first = Ok();
  for (const StoredField& field : StoredFields()) {
    Status saved = SaveOne(folder, state, field);
    if (first.ok() && !saved.ok()) first = saved;
  }
  return first;
}

FormState StoredForm::Load() {
  unreadable_.clear();
  return stored_ = LoadFormState(folder_, &unreadable_);
}

std::vector<UnreadableField> StoredForm::Unreadable(
    const FormState& now) const {
  std::vector<UnreadableField> untouched;
  for (const UnreadableField& each : unreadable_) {
    if (TextOf(now, *each.field) == TextOf(stored_, *each.field)) {
      untouched.push_back(each);
    }
  }
  return untouched;
}

Status StoredForm::Save(const FormState& now) {
  Status first = Ok();
  for (const StoredField& field : StoredFields()) {
    if (TextOf(now, field) == TextOf(stored_, field)) continue;
    Status saved = SaveOne(folder_, now, field);
    if (saved.ok()) {
      TextOf(stored_, field) = TextOf(now, field);
      std::erase_if(unreadable_, [&](const UnreadableField& each) {
        return each.field == &field;
      });
    } else if (first.ok()) {
      first = saved;
    }
  }
  return first;
}

std::string StoredForm::SaveAsTyped(const FormState& now) {
  const Status saved = Save(now);
  if (saved.ok()) {
    failure_told_ = false;
    return "";
  }
  if (failure_told_) return "";
  failure_told_ = true;
  return SaveFailureMessage(folder_, saved.failure()) +
         " They are saved again at each change, and at Exit.";
}

}  // namespace vpa
