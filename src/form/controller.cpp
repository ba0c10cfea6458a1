#include "form/controller.h"

#include "base/code_page_1252.h"
#include "base/files.h"
#include "form/fields.h"
#include "form/preview_row.h"
#include "form/row_feedback.h"
#include "form/start_notes.h"
#include "form/unreadable_fields.h"
#include "form/web_address.h"

namespace vpa {
namespace {

std::string RunButton(int row) { return "Go" + std::to_string(row); }

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kTextBox || kind == ControlKind::kMultiLineText ||
         kind == ControlKind::kList || kind == ControlKind::kButton;
}

bool InClientArea(const TwipRect& place) {
  return place.left >= 0 && place.top >= 0 &&
         place.left + place.width <= kClientWidthTwips &&
         place.top + place.height <= kClientHeightTwips;
}

}  // namespace

FormController::FormController(ProgramFolder folder, FormView& view,
                               const Maker& maker)
    : view_(view),
      web_address_(maker.web_address),
      layout_(FormLayout(maker)),
      stored_(std::move(folder)) {}

const FormControl* FormController::Find(std::string_view name) const {
  for (const FormControl& control : layout_) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

bool FormController::IsKind(std::string_view name, ControlKind kind) const {
  const FormControl* control = Find(name);
  return control != nullptr && control->kind == kind;
}

// A box restored empty saw no change; it gets its reading all the same, and
// a long entry shows its start, not its end.
void FormController::Start() {
  missing_folders_ = MissingFoldersMessage(stored_.folder());
  const FormState state = stored_.Load();
  for (const StoredField& field : StoredFields()) {
    if (field.items.empty()) {
      view_.SetText(field.control, TextOf(state, field));
    } else {
      view_.SetIndex(field.control, IndexOf(state, field));
    }
  }
  for (const StoredField& field : StoredFields()) {
    if (!field.items.empty()) continue;
    ShowReadingOf(field.control);
    view_.Select(field.control, 0, 0);
  }
  MarkUnreadable();
}

FormState FormController::ReadState() const {
  FormState state;
  for (const StoredField& field : StoredFields()) {
    if (field.items.empty()) {
      TextOf(state, field) = view_.Text(field.control);
    } else {
      SetIndex(state, field, view_.Index(field.control));
    }
  }
  return state;
}

// What a Run will make of the box's entry, as the detailer types: the hint
// says it, and an entry it would refuse shows in red.
void FormController::ShowReadingOf(std::string_view box) {
  const StoredField* field = FieldOfControl(box);
  if (field == nullptr || !field->items.empty()) return;
  const EntryReading reading = ReadEntry(field->field, view_.Text(box));
  view_.ShowReading(box, Utf8From1252(reading.tooltip), reading.refused, false);
}

// A stored entry that could not be read shows empty: its control's reading
// says why, in red, until the detailer gives it again.
void FormController::MarkUnreadable() {
  for (const UnreadableField& each : stored_.Unreadable(ReadState())) {
    view_.ShowReading(each.field->control, UnreadableReading(each), true,
                      false);
  }
}

// A key or a paste the box did not take: its reading says why, at once and
// where the detailer is looking; the entry is red only if a Run would
// refuse what the box now holds.
void FormController::RefusedEdit(std::string_view box, std::string_view entry,
                                 const std::string& refusal) {
  const StoredField* field = FieldOfControl(box);
  if (field == nullptr || !field->items.empty()) return;
  view_.ShowReading(box, RefusedEditReading(entry, refusal),
                    ReadEntry(field->field, entry).refused, true);
}

void FormController::Run(int row) { run_.Run(row, ReadState(), *this); }

void FormController::Clicked(std::string_view button) {
  const FormControl* control = Find(button);
  if (control == nullptr) return;
  switch (control->role) {
    case Role::kRun:
      return Run(control->row);
    case Role::kHelp:
      return Help();
    case Role::kWeb:
      return Web();
    case Role::kExit:
      return view_.Close();
    default:
      return;
  }
}

bool FormController::Key(FormKey key, std::string_view focused, bool repeat) {
  switch (key) {
    case FormKey::kEnter:
      if (!IsKind(focused, ControlKind::kButton)) return false;
      // A key held down presses a button once.
      if (!repeat) view_.Press(focused);
      return true;
    case FormKey::kSpace:
      return repeat && IsKind(focused, ControlKind::kButton);
    case FormKey::kDelete:
      if (!IsKind(focused, ControlKind::kList)) return false;
      view_.SetIndex(focused, -1);
      typed_.Clear();
      SaveSoon();
      return true;
    default:
      return false;
  }
}

// Typing finds an item by the start of its name, blanks included
// ("L3 1/2x2 1/2x1/4"), where a toolkit's own search stops at a blank.
bool FormController::TypeInList(std::string_view list, std::string_view typed,
                                int64_t now_ms, int pause_ms) {
  const StoredField* field = FieldOfControl(list);
  if (field == nullptr || field->items.empty() || typed.size() != 1) return false;
  const auto& items = ColumnOf(field->field).items;
  const TypeAhead::Step step =
      typed_.Type(std::vector<std::string>(items.begin(), items.end()),
                  typed[0], now_ms, pause_ms);
  if (!step.used) return false;
  if (step.found >= 0 && step.found != view_.Index(list)) {
    view_.SetIndex(list, step.found);
    SaveSoon();
  }
  return true;
}

// Only a stored field's change counts: the carrier's is the window's own.
void FormController::Changed(std::string_view control) {
  const FormControl* found = Find(control);
  if (found == nullptr || found->role != Role::kField) return;
  ShowReadingOf(control);
  SaveSoon();
  if (found->field == RowField::kEnd || found->row == preview_row_) {
    RedrawPreview();
  }
}

// The preview follows each keystroke and choice of its row; a row a Run
// would refuse shows the logo.
void FormController::RedrawPreview() {
  if (preview_row_ == 0) return;
  const std::optional<PreviewRow> row =
      PreviewFormRow(stored_, preview_row_, ReadState());
  if (!row) return view_.ShowPreview(nullptr);
  const PreviewDrawing drawing = DrawPreview(*row);
  view_.ShowPreview(&drawing);
}

// Only controls inside the client area get the mark; the carrier below it
// never shows one.
void FormController::Focused(std::string_view control) {
  const FormControl* found = Find(control);
  const bool marked =
      found != nullptr && TakesFocus(found->kind) && InClientArea(found->place);
  view_.MarkFocus(marked ? control : std::string_view());
  // Another row's control takes the preview there; one outside the rows
  // leaves it on the last row.
  if (found != nullptr && found->row != 0 && found->row != preview_row_) {
    preview_row_ = found->row;
    RedrawPreview();
  }
}

// A box that loses the focus shows the start of its entry, so a long
// "10-11 15/16" never reads as "-11 15/16"; what changed is saved at once.
void FormController::FocusLeft(std::string_view control) {
  const FormControl* found = Find(control);
  if (found == nullptr) return;
  const bool text = found->kind == ControlKind::kTextBox ||
                    found->kind == ControlKind::kMultiLineText;
  if (text) view_.Select(control, 0, 0);
  if (text || found->kind == ControlKind::kList) SaveNow();
}

void FormController::Returned(std::string_view last_focused) {
  view_.Focus(FocusOnRestore(marked_row_, std::string(last_focused)));
}

// Entries are saved as they are typed: soon after a change, and at once
// when the focus leaves the control.
void FormController::SaveSoon() {
  if (!save_pending_) view_.StartSaveTimer(kSaveDelayMs);
  save_pending_ = true;
}

void FormController::SaveNow() {
  view_.StopSaveTimer();
  save_pending_ = false;
  if (closed_) return;
  const std::string unsaved = stored_.SaveAsTyped(ReadState());
  if (!unsaved.empty()) TellUnsaved(unsaved);
}

void FormController::Help() {
  const std::filesystem::path page = stored_.folder().HelpPage();
  if (!view_.OpenDocument(page)) {
    view_.ShowMessage(FormView::Tone::kWarning, kFormCaption,
                      HelpNotOpenedMessage(PathText(page)));
  }
}

void FormController::Web() {
  const std::optional<std::string> address = WebAddressToOpen(web_address_);
  if (!address) {
    return view_.ShowMessage(FormView::Tone::kError, kMissingWebTitle,
                             kMissingWebText);
  }
  view_.OpenAddress(*address);
}

void FormController::TellStartNotes() {
  if (!missing_folders_) return;
  const std::string missing = *missing_folders_;
  missing_folders_.reset();
  view_.ShowMessage(FormView::Tone::kWarning, kFormCaption, missing);
}

// The detailer closed the window and is there to read why entries were not
// kept; at the end of a session no one is.
void FormController::Close() {
  if (closed_) return;
  view_.StopSaveTimer();
  save_pending_ = false;
  const Status saved = stored_.Save(ReadState());
  closed_ = true;
  if (!saved.ok() && !session_ended_) {
    view_.ShowMessage(FormView::Tone::kError, kFormCaption,
                      SaveFailureMessage(stored_.folder(), saved.failure()));
  }
}

void FormController::EndSession() {
  if (closed_) return;
  session_ended_ = true;
  stored_.Save(ReadState());
}

// One warning for every refusing entry; then the first of them is ready to
// be mended.
void FormController::ShowRefusal(const RunOutcome& outcome) {
  view_.ShowMessage(FormView::Tone::kWarning, kFormCaption, outcome.message);
  view_.Focus(outcome.focus);
  if (outcome.select_all) {
    view_.Select(outcome.focus, 0, FormView::kToTheEnd);
  }
}

void FormController::ShowFailure(const RunOutcome& outcome) {
  view_.ShowMessage(FormView::Tone::kError, kFormCaption, outcome.message);
}

// The macro path goes to the clipboard through the carrier's selection.
bool FormController::PutPathOnClipboard(const RunOutcome&) {
  view_.Focus(kClipboardCarrier);
  view_.Select(kClipboardCarrier, 0, FormView::kToTheEnd);
  return view_.CopySelection(kClipboardCarrier);
}

void FormController::MarkWritten(const RunOutcome& outcome) {
  marked_row_ = outcome.marked_row;
  view_.MarkRow(marked_row_);
  for (int row = 1; row <= kRowCount; ++row) {
    view_.SetHint(RunButton(row), outcome.run_tooltips[row - 1]);
  }
}

// The window steps aside for the host program. The focus goes back to the
// row's Run! button, so keys typed after a restore never reach the carrier.
void FormController::StepAside(const RunOutcome& outcome) {
  view_.Focus(RunButton(outcome.marked_row));
  view_.Minimise();
}

// The window stays, with the row's Run! focused once the message is closed.
void FormController::ShowUnclipped(const RunOutcome& outcome) {
  view_.Focus(RunButton(outcome.marked_row));
  view_.ShowMessage(FormView::Tone::kWithPath, kFormCaption, outcome.message);
}

// Typing and Run go on while this shows.
void FormController::TellUnsaved(const std::string& message) {
  if (session_ended_) return;
  view_.ShowMessage(FormView::Tone::kNotice, kFormCaption, message);
}

}  // namespace vpa
