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
#include "store/field_store.h"

namespace vpa {

// One entry row: its four texts as typed, and its lists' positions (-1 when
// nothing is selected).
struct RowState {
  std::string h;
  std::string v1;
  std::string v2;
  std::string l;
  int section = -1;
  int leg = -1;
  int pair = -1;

  friend bool operator==(const RowState&, const RowState&) = default;
};

struct FormState {
  std::array<RowState, kRowCount> rows;
  int end = -1;  // the position of the end choice BS

  friend bool operator==(const FormState&, const FormState&) = default;
};

// The field's text in `state`; only for text fields.
std::string& TextOf(FormState& state, const StoredField& field);
const std::string& TextOf(const FormState& state, const StoredField& field);
// The field's list position in `state`; only for list fields.
int& IndexOf(FormState& state, const StoredField& field);
int IndexOf(const FormState& state, const StoredField& field);

// The stored form. A missing or unreadable field reads as the empty text,
// and a position that is not one of its list's as -1. Fields whose files
// exist but cannot be read are noted in `unreadable` when it is given.
FormState LoadFormState(const ProgramFolder& folder,
                        UnreadableFields* unreadable = nullptr);

// Saves the 36 fields, each attempted; a failed save keeps the field's
// former value and the first failure is the result. A field noted in
// `unreadable` is saved only when its value changed since it was loaded.
Status SaveFormState(const ProgramFolder& folder, const FormState& state,
                     const UnreadableFields* unreadable = nullptr);

}  // namespace vpa

#endif  // VPA_FORM_FORM_STATE_H_
