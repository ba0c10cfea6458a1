// Start-up and shut-down: the controls to and from the form state, which
// keeps the 36 fields' names and order.
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {

FormState FormWindow::ReadState() const {
  FormState state;
  for (const StoredField& field : StoredFields()) {
    HWND control = Control(field.field, field.row);
    if (field.items.empty()) {
      TextOf(state, field) = To1252(WindowText(control));
    } else {
      SetIndex(state, field, int(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    }
  }
  return state;
}

void FormWindow::ApplyState(const FormState& state) {
  for (const StoredField& field : StoredFields()) {
    HWND control = Control(field.field, field.row);
    if (field.items.empty()) {
      SetWindowTextW(control, From1252(TextOf(state, field)).c_str());
    } else {
      SendMessageW(control, CB_SETCURSEL, WPARAM(IndexOf(state, field)), 0);
    }
  }
}

// A box given its text tells the form (EN_CHANGE), which reads it then:
// its tooltip and its colour.
void FormWindow::StartUp() {
  ApplyState(stored_.Load());
  SetWindowTextW(Control(Role::kClipboard), macro_path_.c_str());
  MarkUnreadable();
}

// A stored entry that could not be read shows empty: its control's reading
// says why, in red, until the detailer gives it again.
void FormWindow::MarkUnreadable() {
  for (const UnreadableField& each : stored_.Unreadable(ReadState())) {
    HWND control = Control(each.field->field, each.field->row);
    if (control == nullptr) continue;
    SetHint(control, FromUtf8(UnreadableReading(each)));
    if (each.field->items.empty()) refused_boxes_.push_back(control);
  }
}

// Only the first call saves: closing and the end of the session may both
// ask.
void FormWindow::ShutDown(bool by_detailer) {
  if (shut_down_) return;
  shut_down_ = true;
  Status saved = stored_.Save(ReadState());
  if (!saved.ok() && by_detailer) {
    ShowMessage(kFormCaption,
                FromUtf8(SaveFailureMessage(core_folder_, saved.failure())),
                MB_ICONERROR);
  }
}

void FormWindow::SaveSoon() {
  if (!save_pending_) SetTimer(hwnd_, kSaveTimer, kSaveDelayMs, nullptr);
  save_pending_ = true;
}

void FormWindow::SaveNow() {
  KillTimer(hwnd_, kSaveTimer);
  save_pending_ = false;
  if (shut_down_) return;
  const std::string unsaved = stored_.SaveAsTyped(ReadState());
  if (!unsaved.empty()) TellUnsaved(unsaved);
}

}  // namespace vpa
