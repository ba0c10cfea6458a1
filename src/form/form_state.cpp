// The stored fields are read off the layout table: every control with a
// row role or the end choice is stored under its name without "zz".
#include "form/form_state.h"

#include <algorithm>

#include "store/field_store.h"

namespace vpa {
namespace {

// The save order of the controls' roles.
constexpr Role kStoredRoles[] = {Role::kH,    Role::kV1,      Role::kV2,
                                 Role::kL,    Role::kSection, Role::kLeg,
                                 Role::kPair, Role::kEnd};

int RoleRank(Role role) {
  return int(std::find(std::begin(kStoredRoles), std::end(kStoredRoles), role) -
             std::begin(kStoredRoles));
}

bool IsStored(Role role) {
  return RoleRank(role) < int(std::size(kStoredRoles));
}

std::string FieldName(const std::string& control) {
  return control.starts_with("zz") ? control.substr(2) : control;
}

std::vector<StoredField> ReadFields() {
  std::vector<StoredField> fields;
  for (const FormControl& control : FormLayout({})) {
    if (!IsStored(control.role)) continue;
    fields.push_back({FieldName(control.name), control.role, control.row,
                      int(control.items.size())});
  }
  std::stable_sort(fields.begin(), fields.end(),
                   [](const StoredField& a, const StoredField& b) {
                     return RoleRank(a.role) != RoleRank(b.role)
                                ? RoleRank(a.role) < RoleRank(b.role)
                                : a.row < b.row;
                   });
  return fields;
}

template <typename State>
auto& TextIn(State& state, const StoredField& field) {
  auto& row = state.rows[field.row - 1];
  switch (field.role) {
    case Role::kH:
      return row.h;
    case Role::kV1:
      return row.v1;
    case Role::kV2:
      return row.v2;
    default:
      return row.l;
  }
}

template <typename State>
auto& IndexIn(State& state, const StoredField& field) {
  if (field.role == Role::kEnd) return state.end;
  auto& row = state.rows[field.row - 1];
  switch (field.role) {
    case Role::kSection:
      return row.section;
    case Role::kLeg:
      return row.leg;
    default:
      return row.pair;
  }
}

// What the field's control shows, as unreadable fields compare it.
std::string ShownText(const FormState& state, const StoredField& field);

}  // namespace

const std::vector<StoredField>& StoredFields() {
  static const std::vector<StoredField> fields = ReadFields();
  return fields;
}

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

std::string ShownText(const FormState& state, const StoredField& field) {
  return field.count == 0 ? TextOf(state, field)
                          : std::to_string(IndexOf(state, field));
}

}  // namespace

FormState LoadFormState(const ProgramFolder& folder,
                        UnreadableFields* unreadable) {
  FormState state;
  for (const StoredField& field : StoredFields()) {
    LoadedField stored = LoadStoredField(folder, field.name);
    if (field.count == 0) {
      TextOf(state, field) = std::move(stored.text);
    } else {
      IndexOf(state, field) = StoredIndex(stored.text, field.count);
    }
    if (stored.unreadable && unreadable != nullptr) {
      unreadable->Note(field.name, ShownText(state, field));
    }
  }
  return state;
}

Status SaveFormState(const ProgramFolder& folder, const FormState& state,
                     const UnreadableFields* unreadable) {
  Status first = Ok();
  for (const StoredField& field : StoredFields()) {
    if (unreadable != nullptr &&
        !unreadable->MaySave(field.name, ShownText(state, field))) {
      continue;
    }
    Status saved = field.count == 0
                       ? SaveField(folder, field.name, TextOf(state, field))
                       : SaveField(folder, field.name, IndexOf(state, field));
    if (first.ok() && !saved.ok()) first = saved;
  }
  return first;
}

}  // namespace vpa
