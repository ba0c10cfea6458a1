// The form's controller: every rule of the window between the detailer's
// keys and clicks and the form's commands, for both windows alike. A window
// tells it what happened to which control, by name, and carries out what it
// asks through the FormView primitives.
#ifndef VPA_FORM_CONTROLLER_H_
#define VPA_FORM_CONTROLLER_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/program_folder.h"
#include "form/form_state.h"
#include "form/form_view.h"
#include "form/layout.h"
#include "form/list_search.h"
#include "form/run_row.h"

namespace vpa {

// The keys the form answers itself; every other key is the control's.
enum class FormKey { kEnter, kSpace, kDelete, kOther };

// The name of the hidden box that carries the macro's path to the
// clipboard.
inline constexpr char kClipboardCarrier[] = "txtClipboard";

class FormController : private RunOutcomeView {
 public:
  FormController(ProgramFolder folder, FormView& view,
                 const Maker& maker = BuiltInMaker());

  // Puts the stored fields into their controls, each box's reading beside
  // it, and marks the fields that could not be read.
  void Start();

  // The form's stored fields as the controls hold them now.
  FormState ReadState() const;

  // Row `row`'s Run! (1 to 5); a Run while one runs is dropped.
  void Run(int row);
  // A button was clicked: a row's Run!, Help, the web button or Exit.
  void Clicked(std::string_view button);

  // A key pressed in the control named `focused`; `repeat`: the keyboard
  // repeats a held key. Delete is the form's only in a closed list. True
  // when the form used it.
  bool Key(FormKey key, std::string_view focused, bool repeat);

  // A character typed into the closed list `list` (`typed` in the store's
  // code page) at `now_ms` of a steady clock; `pause_ms` starts a new
  // search. True when it chose an item or was kept for the search.
  bool TypeInList(std::string_view list, std::string_view typed, int64_t now_ms,
                  int pause_ms);

  // A box's text or a list's choice changed.
  void Changed(std::string_view control);
  // An edit the box did not take, the box's text as it leaves it (in the
  // store's code page), and why (UTF-8).
  void RefusedEdit(std::string_view box, std::string_view entry,
                   const std::string& refusal);
  // The control named `control` got the focus ("" for none of the form's).
  void Focused(std::string_view control);
  // The control lost the focus.
  void FocusLeft(std::string_view control);
  // The window came back (from minimised, or by a second launch); the
  // focus had last been in `last_focused`.
  void Returned(std::string_view last_focused);
  void SaveTimerFired() { SaveNow(); }

  // Help and the web button. Help says when the page could not be opened.
  void Help();
  void Web();
  // Says, once the window shows, which folders the program folder lacked
  // at start, if any.
  void TellStartNotes();

  // The detailer closes the window: saved once, and a failed save told.
  void Close();
  // The session ends: saved without a word, for no one reads it. A logout
  // may be cancelled: what changes after is saved as before, silently.
  void EndSession();

  // The row whose Run! wrote the current macro; 0 before the first.
  int marked_row() const { return marked_row_; }
  // The row the preview shows: the one that holds or last held the focus;
  // 0 before any did.
  int preview_row() const { return preview_row_; }

 private:
  const FormControl* Find(std::string_view name) const;
  bool IsKind(std::string_view name, ControlKind kind) const;
  void ShowReadingOf(std::string_view box);
  void MarkUnreadable();
  void RedrawPreview();
  void SaveSoon();
  void SaveNow();

  void ShowRefusal(const RunOutcome& outcome) override;
  void ShowFailure(const RunOutcome& outcome) override;
  bool PutPathOnClipboard(const RunOutcome& outcome) override;
  void MarkWritten(const RunOutcome& outcome) override;
  void StepAside(const RunOutcome& outcome) override;
  void ShowUnclipped(const RunOutcome& outcome) override;
  void TellUnsaved(const std::string& message) override;

  FormView& view_;
  std::string web_address_;  // as the maker gives it
  std::vector<FormControl> layout_;
  std::optional<std::string> missing_folders_;  // as found at start
  StoredForm stored_;  // the fields as last loaded or saved
  RunCommand run_{stored_};
  TypeAhead typed_;
  int marked_row_ = 0;
  int preview_row_ = 0;
  bool save_pending_ = false;
  bool closed_ = false;
  bool session_ended_ = false;
};

}  // namespace vpa

#endif  // VPA_FORM_CONTROLLER_H_
