// The window Form1 in plain Win32: a thin adapter over the core and the
// form's table. Handlers read the controls into plain values, call the
// core, and then show one message or do the platform's part (clipboard,
// minimise, open a document).
//
// Files: form_window.cpp registers the class and routes messages,
// controls.cpp walks the table into controls and places them at the
// window's dpi, painting.cpp draws the pictures, labels, lines and dots,
// buttons.cpp the buttons, focus_mark.cpp the mark around the focused
// control, commands.cpp runs the rows, Help, web and Exit,
// lifecycle.cpp restores and saves the fields, pictures.cpp turns the
// compiled-in pictures into bitmaps at the dpi, spoken_names.cpp and
// named_object.cpp give the controls the names screen readers speak.
#ifndef VPA_WIN32_FORM_WINDOW_H_
#define VPA_WIN32_FORM_WINDOW_H_

#include <windows.h>

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/program_folder.h"
#include "form/form_state.h"
#include "form/layout.h"
#include "form/list_search.h"
#include "form/run_row.h"
#include "staging/row_check.h"
#include "store/field_store.h"
#include "win32/pictures.h"
#include "win32/spoken_names.h"

namespace vpa {

class FormWindow : private RunOutcomeView {
 public:
  FormWindow(HINSTANCE instance, std::filesystem::path folder,
             Maker maker = BuiltInMaker());
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Registers the class `class_name`, builds the window, runs start-up and
  // shows it.
  bool Create(const std::wstring& class_name, int show);

 private:
  // One control of the table and the window made for it (none for what is
  // painted: labels, pictures, lines, dots).
  struct Placed {
    FormControl design;
    HWND hwnd = nullptr;
    HWND open_list = nullptr;  // a list's pop-up, which asks for its colours
  };
  struct RowHandles {
    HWND h, v1, v2, section, l, leg, pair, go;
  };

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void FitFrame();
  void FitToDpi(UINT dpi, HMONITOR monitor);
  void PassFocusOn();
  void FocusOnReturn();

  // controls.cpp
  void BuildControls();
  void SetUpList(Placed& placed);
  void PlaceControls();
  void Place(const Placed& placed, bool move);
  int ItemHeight(const FormControl& design) const;
  HFONT Font(double points);
  RECT PixelRect(const TwipRect& place) const;
  int Px(int twips) const;
  HWND Control(Role role, int row = 0) const;
  // The box or list that holds `field` in row `row` (0 for BS).
  HWND Control(RowField field, int row) const;
  HBRUSH Colours(HWND control, HDC dc);
  HBRUSH Brush(COLORREF colour);
  void SetHint(HWND control, const std::wstring& text);
  void GiveHints();
  void AddHint(HWND control, const std::wstring& text);

  // painting.cpp, buttons.cpp
  void Paint(HDC dc);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void PaintLabel(HDC dc, const FormControl& design, RECT place);
  COLORREF MarkedColour(const FormControl& design, COLORREF colour) const;

  // focus_mark.cpp
  void MakeFocusMark();
  bool IsFocusMark(HWND window) const;
  void FollowFocus(HWND control, int code);  // on a control's focus note
  void MarkFocus();
  void DrawFocusMark(const DRAWITEMSTRUCT& item);

  // commands.cpp
  void OnCommand(HWND control, int code);
  void RunRow(int row);
  void ShowRefusal(const RunOutcome& outcome) override;
  void ShowFailure(const RunOutcome& outcome) override;
  bool PutPathOnClipboard(const RunOutcome& outcome) override;
  void MarkWritten(const RunOutcome& outcome) override;
  void StepAside(const RunOutcome& outcome) override;
  void ShowUnclipped(const RunOutcome& outcome) override;
  void ShowReading(HWND box);
  void ShowRefusedEdit(HWND box, const std::string& refusal);
  void TellUnsaved(const std::string& message) override;
  void OpenHelp();
  void OpenWebSite();
  void TellMissingFolders();
  void ShowMessage(const std::string& title, const std::wstring& text,
                   UINT icon);

  // lifecycle.cpp
  void StartUp();
  void MarkUnreadable();
  // `by_detailer`: closed by Exit or the close box, so a failed save is
  // told; at the end of the session no one is there to read it.
  void ShutDown(bool by_detailer);
  FormState ReadState() const;
  void ApplyState(const FormState& state);
  // Entries are saved as they are typed: soon after a change, and at once
  // when the focus leaves the control.
  void SaveSoon();
  void SaveNow();

  HINSTANCE instance_;
  std::filesystem::path folder_;
  ProgramFolder core_folder_;
  Maker maker_;
  friend bool FormPreTranslate(MSG& message);
  static inline FormWindow* running_form_ = nullptr;
  bool HandleKey(const MSG& message);

  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  std::map<HWND, std::wstring> kept_hints_;  // until the tooltips are made
  std::array<HWND, 4> focus_mark_{};         // its top, bottom, left and right
  UINT dpi_ = 96;         // the form's, which may be less on a small screen
  UINT window_dpi_ = 96;  // the monitor's, for the frame
  std::vector<Placed> controls_;
  std::map<int, HFONT> fonts_;  // by hundredths of a point
  std::map<COLORREF, HBRUSH> brushes_;
  Pictures pictures_;
  SpokenNames spoken_;  // given after the first paint, with the tooltips
  std::wstring macro_path_;
  int last_run_row_ = 0;
  HWND focus_ = nullptr;  // the focused control when the window was left
  std::vector<HWND> refused_boxes_;  // entries a Run would refuse, in red
  StoredForm stored_;                // the fields as last loaded or saved
  RunCommand run_{stored_};
  TypeAhead typed_;  // type-ahead in a closed list
  bool shut_down_ = false;
  bool save_pending_ = false;                   // a change waits for its save
  std::optional<std::string> missing_folders_;  // as found at start
};

// The timer that saves entries soon after they change.
inline constexpr UINT_PTR kSaveTimer = 2;

// Lets the box `box` take only characters that Windows-1252 can store, by
// the form's rule; an edit it refuses is sent to the box's parent as
// kRefusedEdit, with the box and the reason (UTF-8, a std::string*).
void KeepStorable(HWND box);
inline constexpr UINT kRefusedEdit = WM_APP + 2;

// Lets typing in the closed list `list` find an item by the start of its
// name, blanks included, through `typed`, which outlives the list.
void KeepTypeAhead(HWND list, TypeAhead* typed);

// A colour of the table as a COLORREF; `fallback` for the toolkit's own.
COLORREF ResolveColour(const Colour& colour, COLORREF fallback);

// Keys the form handles before the dialog manager sees them (Enter on a
// button, F1, Delete on a list), then the dialog manager's own (Tab).
// True when the message was used.
bool FormPreTranslate(MSG& message);

}  // namespace vpa

#endif  // VPA_WIN32_FORM_WINDOW_H_
