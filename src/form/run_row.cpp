// A row is checked once: a row that passes is written from its checked row.
#include "form/run_row.h"

#include <ctime>

#include "base/code_page_1252.h"
#include "base/file_system.h"
#include "base/files.h"
#include "form/clipboard_finish.h"
#include "form/fields.h"
#include "form/row_feedback.h"
#include "form/unreadable_fields.h"
#include "macro/macro_writers.h"
#include "staging/row_check.h"

namespace vpa {
namespace {

RunOutcome Refused(int row, const std::vector<FieldRefusal>& refusals) {
  RunOutcome outcome;
  // Entries are quoted in the store's code page.
  outcome.message = Utf8From1252(RefusalMessage(row, refusals));
  outcome.focus = FirstRefusedControl(row, refusals);
  const StoredField* field = FieldOfControl(outcome.focus);
  outcome.select_all = field != nullptr && field->items.empty();
  return outcome;
}

RunOutcome Failed(const std::string& message) {
  RunOutcome outcome;
  outcome.kind = RunOutcome::Kind::kFailed;
  outcome.message = message;
  return outcome;
}

RunOutcome Written(const ProgramFolder& folder, int row,
                   const std::string& time) {
  RunOutcome outcome;
  outcome.kind = RunOutcome::Kind::kWritten;
  outcome.macro_file =
      std::filesystem::absolute(folder.MacroFile()).make_preferred();
  outcome.marked_row = row;
  for (int n = 1; n <= kRowCount; ++n) {
    outcome.run_tooltips[n - 1] =
        n == row ? WrittenTooltip(n, time, PathText(outcome.macro_file))
                 : RunTooltip(n);
  }
  return outcome;
}

}  // namespace

RunOutcome WriteRow(const ProgramFolder& folder, int row,
                    const RowEntries& entries, const std::string& end,
                    const std::string& time) {
  const RowCheck check = CheckRow(entries, end);
  if (!check.row) return Refused(row, check.refusals);
  Status written = WriteMacro(folder, *check.row);
  if (!written.ok()) return Failed(written.error());
  return Written(folder, row, time);
}

RunOutcome WriteFormRow(const ProgramFolder& folder, int row,
                        const FormState& state, const std::string& time) {
  return WriteRow(folder, row, state.rows[row - 1], state.end, time);
}

namespace {

// A stored entry that could not be read shows as empty; its row must not
// run as if it were, until the detailer gives the entry again.
RunOutcome RefusedUnreadable(int row,
                             const std::vector<UnreadableField>& unreadable,
                             const FormState& state) {
  RunOutcome outcome;
  outcome.message = UnreadableRowMessage(row, unreadable, state);
  for (const UnreadableField& each : unreadable) {
    if (!StopsRow(each, row)) continue;
    outcome.focus = ControlName(row, each.field->field);
    outcome.select_all = each.field->items.empty();
    break;
  }
  return outcome;
}

}  // namespace

RunOutcome RunFormRow(StoredForm& stored, int row, const FormState& state,
                      const std::string& time) {
  RunOutcome refused = RefusedUnreadable(row, stored.Unreadable(state), state);
  if (!refused.message.empty()) return refused;
  RunOutcome outcome = WriteFormRow(stored.folder(), row, state, time);
  // A crash or a killed session later on keeps the rows that were run.
  if (outcome.kind == RunOutcome::Kind::kWritten) {
    outcome.unsaved = stored.SaveAsTyped(state);
  }
  return outcome;
}

namespace {

// The window steps aside only with the path on the clipboard: else the host
// would run whatever the clipboard held before.
void FinishWritten(int row, const std::string& time, RunOutcome& outcome,
                   RunOutcomeView& view) {
  if (PutOnClipboard([&] { return view.PutPathOnClipboard(outcome); })) {
    view.MarkWritten(outcome);
    view.StepAside(outcome);
    return;
  }
  const std::string path = PathText(outcome.macro_file);
  outcome.run_tooltips[row - 1] = UnclippedTooltip(row, time, path);
  outcome.message = ClipboardFailureMessage(row);
  view.MarkWritten(outcome);
  view.ShowUnclipped(outcome);
}

}  // namespace

void RunCommand::Run(int row, const FormState& state, RunOutcomeView& view) {
  if (running_ || row < 1 || row > kRowCount) return;
  running_ = true;
  const std::string time = ClockTime();
  RunOutcome outcome = RunFormRow(stored_, row, state, time);
  switch (outcome.kind) {
    case RunOutcome::Kind::kRefused:
      view.ShowRefusal(outcome);
      break;
    case RunOutcome::Kind::kFailed:
      view.ShowFailure(outcome);
      break;
    case RunOutcome::Kind::kWritten:
      FinishWritten(row, time, outcome, view);
      if (!outcome.unsaved.empty()) view.TellUnsaved(outcome.unsaved);
      break;
  }
  running_ = false;
}

std::string FocusOnRestore(int marked_row, const std::string& last_focused) {
  if (marked_row < 1 || marked_row > kRowCount) return last_focused;
  return "Go" + std::to_string(marked_row);
}

std::string ClockTime() {
  const std::time_t now = FileSystem::Current().Now();
  char text[16] = "";
  if (const std::tm* local = std::localtime(&now)) {
    std::strftime(text, sizeof text, "%H:%M:%S", local);
  }
  return text;
}

}  // namespace vpa
