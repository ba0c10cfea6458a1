// What the form's controller asks of a window: a few primitives on its
// controls, each found by its name. A window carries them out with its
// toolkit and decides nothing; every rule is the controller's.
#ifndef VPA_FORM_FORM_VIEW_H_
#define VPA_FORM_FORM_VIEW_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "form/preview.h"

namespace vpa {

class FormView {
 public:
  // How a message is shown: as a warning or an error the detailer closes;
  // as an error with the macro's path under it, ready to select; or as a
  // notice that takes no focus and waits for no answer.
  enum class Tone { kWarning, kError, kWithPath, kNotice };

  // A selection's length that reaches to the end of the text.
  static constexpr int kToTheEnd = -1;

  virtual ~FormView() = default;

  // A box's text and a list's position (-1: nothing selected). Texts are
  // in the store's code page.
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  virtual int Index(std::string_view control) const = 0;
  virtual void SetIndex(std::string_view control, int index) = 0;
  // Selects `length` characters of a box from `start`; an empty selection
  // puts the cursor there and scrolls it into sight.
  virtual void Select(std::string_view control, int start, int length) = 0;
  // Gives the control the keyboard focus; an unknown name gives it back to
  // the control that last had it.
  virtual void Focus(std::string_view control) = 0;
  // Presses a button as a click would.
  virtual void Press(std::string_view button) = 0;
  // The control's hint (UTF-8), and whether its text shows as refused.
  // `alert`: the hint also shows at once at the control, with a beep.
  virtual void ShowReading(std::string_view control, const std::string& hint,
                           bool refused, bool alert) = 0;
  // Sets a control's hint (UTF-8) and nothing else.
  virtual void SetHint(std::string_view control, const std::string& hint) = 0;
  // Marks the row whose Run! wrote the current macro (0: none).
  virtual void MarkRow(int row) = 0;
  // Frames the control with the focus mark; an empty name hides the mark.
  virtual void MarkFocus(std::string_view control) = 0;
  // Puts the box's selected text on the clipboard; true once the clipboard
  // holds it.
  virtual bool CopySelection(std::string_view box) = 0;
  virtual void Minimise() = 0;
  // Closes the window as its close box does.
  virtual void Close() = 0;
  // Opens a file, or a web address (in the store's code page), with the
  // desktop's own program; the first says whether it could.
  virtual bool OpenDocument(const std::filesystem::path& file) = 0;
  virtual void OpenAddress(const std::string& address) = 0;
  // Shows one message (UTF-8).
  virtual void ShowMessage(Tone tone, const std::string& title,
                           const std::string& text) = 0;
  // Calls the controller's SaveTimerFired once, `ms` from now; stopped, it
  // does not.
  virtual void StartSaveTimer(int ms) = 0;
  virtual void StopSaveTimer() = 0;
  // Draws the row's preview over the logo, with its spoken description; no
  // drawing shows the logo.
  virtual void ShowPreview(const PreviewDrawing* drawing) = 0;
};

}  // namespace vpa

#endif  // VPA_FORM_FORM_VIEW_H_
