// The Run! command as one function of the form: it refuses the row, or
// writes its macro and saves the fields, and says what the window is to
// show. A window maps the outcome onto its toolkit and decides nothing.
#ifndef VPA_FORM_RUN_ROW_H_
#define VPA_FORM_RUN_ROW_H_

#include <array>
#include <filesystem>
#include <string>

#include "base/program_folder.h"
#include "form/form_state.h"
#include "staging/row_entries.h"

namespace vpa {

// What a Run came to. Every text is UTF-8.
struct RunOutcome {
  enum class Kind { kRefused, kFailed, kWritten };
  Kind kind = Kind::kRefused;
  std::string message;  // refused or failed: the one message to show
  // Refused: the control to focus, and whether to select its whole text.
  std::string focus;
  bool select_all = false;
  // Written: the macro file for the clipboard, the row to mark, and the
  // five Run! buttons' tooltips.
  std::filesystem::path macro_file;
  int marked_row = 0;
  std::array<std::string, kRowCount> run_tooltips;
  // Written: why the entries could not be saved, to tell at once; or empty.
  std::string unsaved;
};

// Refuses a row holding `entries` (in the store's code page) with the end
// choice `end`, or writes its macro; touches no field file. `row` (1 to 5)
// names the row in messages; 0 names none.
RunOutcome WriteRow(const ProgramFolder& folder, int row,
                    const RowEntries& entries, const std::string& end,
                    const std::string& time);

// WriteRow for row `row` (1 to 5) of `state` with its end choice.
RunOutcome WriteFormRow(const ProgramFolder& folder, int row,
                        const FormState& state, const std::string& time);

// WriteFormRow into the stored form's folder, and a written macro saves
// the fields that changed; a refused row or a failed write changes no
// file. `time` is the clock's time for the written row's tooltip.
RunOutcome RunFormRow(StoredForm& stored, int row, const FormState& state,
                      const std::string& time);

// The clock's time as the Run! tooltips show it, in the local time zone:
// "14:05:09".
std::string ClockTime();

// The control that gets the focus when the window comes back, from the
// taskbar or by a second launch: the Run! of the row that ran last, so
// keys typed then never reach an entry, or the control that last had the
// focus while no row has run.
std::string FocusOnRestore(int marked_row, const std::string& last_focused);

// What a window does with each outcome of a Run!: it maps the outcome onto
// its toolkit and decides nothing.
class RunOutcomeView {
 public:
  virtual ~RunOutcomeView() = default;
  // The message as a warning; then the focus (and the selection) as told.
  virtual void ShowRefusal(const RunOutcome& outcome) = 0;
  // The message as an error.
  virtual void ShowFailure(const RunOutcome& outcome) = 0;
  // One try: the macro's path on the clipboard; true once it is there.
  virtual bool PutPathOnClipboard(const RunOutcome& outcome) = 0;
  // The row marked and the tooltips set.
  virtual void MarkWritten(const RunOutcome& outcome) = 0;
  // The focus on the row's Run!, the window minimised.
  virtual void StepAside(const RunOutcome& outcome) = 0;
  // The message as an error, with the macro's path shown to select.
  virtual void ShowUnclipped(const RunOutcome& outcome) = 0;
  // A message that must not stop the detailer: shown without taking the
  // focus or waiting for an answer.
  virtual void TellUnsaved(const std::string& message) = 0;
};

// The Run! command of a window: one at a time, for a message box runs its
// own event loop and a click that arrives meanwhile must not start a second
// command.
class RunCommand {
 public:
  explicit RunCommand(StoredForm& stored) : stored_(stored) {}

  // Runs row `row` (1 to 5) of `state` and hands its outcome to `view`.
  void Run(int row, const FormState& state, RunOutcomeView& view);

 private:
  StoredForm& stored_;
  bool running_ = false;
};

}  // namespace vpa

#endif  // VPA_FORM_RUN_ROW_H_
