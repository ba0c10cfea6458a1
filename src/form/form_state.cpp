// The form's stored fields as plain values, moved to and from the store in
// the field table's order.
#include "form/form_state.h"

#include "store/field_store.h"

namespace vpa {
namespace {

template <typename State>
auto& TextIn(State& state, const StoredField& field) {
  auto& row = state.rows[field.row - 1];
  switch (field.field) {
    case RowField::kH:
      return row.h;
    case RowField::kV1:
      return row.v1;
    case RowField::kV2:
      return row.v2;
    default:
      return row.l;
  }
}

template <typename State>
auto& IndexIn(State& state, const StoredField& field) {
  if (field.field == RowField::kEnd) return state.end;
  auto& row = state.rows[field.row - 1];
  switch (field.field) {
    case RowField::kSection:
      return row.section;
    case RowField::kLeg:
      return row.leg;
    default:
      return row.pair;
  }
}

}  // namespace

std::string& TextOf(FormState& state, const StoredField& field) {
  return TextIn(state, field);
}
const std::string& TextOf(const FormState& state, const StoredField& field) {
  return TextIn(state, field);
}
int& IndexOf(FormState& state, const StoredField& field) {
  return IndexIn(state, field);
}
int IndexOf(const FormState& state, const StoredField& field) {
  return IndexIn(state, field);
}

namespace {

// A field's value as text, for comparing two states.
std::string ShownText(const FormState& state, const StoredField& field) {
  return field.count == 0 ? TextOf(state, field)
                          : std::to_string(IndexOf(state, field));
}

Status SaveOne(const ProgramFolder& folder, const FormState& state,
               const StoredField& field) {
  return field.count == 0
             ? SaveField(folder, field.name, TextOf(state, field))
             : SaveField(folder, field.name, IndexOf(state, field));
}

void CopyField(const FormState& from, FormState& to, const StoredField& field) {
  if (field.count == 0) {
    TextOf(to, field) = TextOf(from, field);
  } else {
    IndexOf(to, field) = IndexOf(from, field);
  }
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
    if (field.count == 0) {
      TextOf(state, field) = std::move(stored.text);
    } else {
      IndexOf(state, field) = StoredIndex(stored.text, field.count);
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
    if (ShownText(now, *each.field) == ShownText(stored_, *each.field)) {
      untouched.push_back(each);
    }
  }
  return untouched;
}

Status StoredForm::Save(const FormState& now) {
  Status first = Ok();
  for (const StoredField& field : StoredFields()) {
    if (ShownText(now, field) == ShownText(stored_, field)) continue;
    Status saved = SaveOne(folder_, now, field);
    if (saved.ok()) {
      CopyField(now, stored_, field);
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
