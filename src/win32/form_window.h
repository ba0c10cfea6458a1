// The window Form1 in plain Win32: a thin adapter over the form's table and
// its controller. Handlers tell the controller what happened to which
// control; the window carries out the view's primitives and the platform's
// part (open a document, one instance, the dpi).
//
// Files: form_window.cpp registers the class and routes messages,
// controls.cpp walks the table into controls and places them at the
// window's dpi, painting.cpp draws the pictures, labels, lines and dots,
// buttons.cpp the buttons, focus_mark.cpp the mark around the focused
// control, commands.cpp routes the controls' notes and keys and holds Help
// and web, view.cpp carries out the view's primitives, pictures.cpp turns the
// compiled-in pictures into bitmaps at the dpi, spoken_names.cpp gives the
// controls the names screen readers speak.
#ifndef VPA_WIN32_FORM_WINDOW_H_
#define VPA_WIN32_FORM_WINDOW_H_

#include <windows.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/program_folder.h"
#include "form/controller.h"
#include "form/form_view.h"
#include "form/layout.h"
#include "win32/form_font.h"
#include "win32/pictures.h"
#include "win32/preview_window.h"
#include "win32/spoken_names.h"

namespace vpa {

// The table's alignment of a text as DrawText's flag.
UINT AlignFlag(Align align);

// Draws `text` in `font` and `colour` over what is there, as DrawText
// places it with `flags`.
void DrawTextIn(HDC dc, HFONT font, COLORREF colour, const std::wstring& text,
                RECT place, UINT flags);

class FormWindow : private FormView {
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

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void FitFrame();
  void FitToDpi(UINT dpi, HMONITOR monitor);
  void FocusOnReturn();

  // controls.cpp
  void BuildControls();
  void SetUpList(Placed& placed);
  void PlaceControls();
  void Place(const Placed& placed, bool move);
  HFONT Font(double points);
  RECT PixelRect(const TwipRect& place) const;
  HBRUSH Colours(HWND control, HDC dc);
  HBRUSH Brush(COLORREF colour);
  void SetHint(HWND control, const std::wstring& text);
  void GiveHints();
  void Tip(UINT message, HWND control, const std::wstring& hint);

  // view.cpp: the controls found by name or window (nullptr: none).
  const Placed* Find(const std::function<bool(const Placed&)>& matches) const;
  const Placed* Named(std::string_view name) const;
  const Placed* Of(HWND control) const;
  HWND Window(std::string_view name) const;
  std::string NameOf(HWND control) const;

  // painting.cpp, buttons.cpp
  void Paint(HDC dc);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void PaintLabel(HDC dc, const FormControl& design, RECT place);

  // focus_mark.cpp
  void FollowFocus(HWND control, int code);  // on a control's focus note

  // commands.cpp
  void OnCommand(HWND control, int code);
  bool OpenDocument(const std::filesystem::path& file) override;
  void OpenAddress(const std::string& address) override;

  // view.cpp: the view's primitives.
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  int Index(std::string_view control) const override;
  void SetIndex(std::string_view control, int index) override;
  void Select(std::string_view control, int start, int length) override;
  void Focus(std::string_view control) override;
  void Press(std::string_view button) override;
  void ShowReading(std::string_view control, const std::string& hint,
                   bool refused, bool alert) override;
  void SetHint(std::string_view control, const std::string& hint) override;
  void MarkRow(int row) override;
  void MarkFocus(std::string_view control) override;
  bool CopySelection(std::string_view box) override;
  void Minimise() override;
  void Close() override;
  void ShowMessage(Tone tone, const std::string& title,
                   const std::string& text) override;
  void StartSaveTimer(int ms) override;
  void StopSaveTimer() override;
  void ShowPreview(const PreviewDrawing* drawing) override;

  HINSTANCE instance_;
  std::filesystem::path folder_;
  ProgramFolder core_folder_;
  Maker maker_;
  friend bool FormPreTranslate(MSG& message);
  static inline FormWindow* running_form_ = nullptr;
  bool HandleKey(const MSG& message);

  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  std::map<HWND, std::wstring> hints_;  // each control's, as last given
  std::array<HWND, 4> focus_mark_{};    // its top, bottom, left and right
  UINT dpi_ = 96;         // the form's, which may be less on a small screen
  UINT window_dpi_ = 96;  // the monitor's, for the frame
  std::vector<Placed> controls_;
  FormFonts fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  Pictures pictures_;
  SpokenNames spoken_;     // given after the first paint, with the tooltips
  PreviewWindow preview_;  // over the logo, for the row last focused
  std::wstring macro_path_;
  HWND focus_ = nullptr;  // the focused control when the window was left
  std::vector<HWND> refused_boxes_;  // entries a Run would refuse, in red
  FormController controller_;
};

// The timer that saves entries soon after they change.
inline constexpr UINT_PTR kSaveTimer = 2;

// Lets the box `box` take only characters that Windows-1252 can store, by
// the form's rule; why an edit is refused, or a character stands as "?",
// is sent to the box's parent as kRefusedEdit, with the box and the reason
// (UTF-8, a std::string*).
void KeepStorable(HWND box);
inline constexpr UINT kRefusedEdit = WM_APP + 2;

// Sends what is typed into the closed list `list` to its parent as
// kTypedInList, with the list and the character; the parent returns
// nonzero when the form used it.
void KeepTypeAhead(HWND list);
inline constexpr UINT kTypedInList = WM_APP + 3;

// A colour of the table as a COLORREF; `fallback` for the toolkit's own.
COLORREF ResolveColour(const Colour& colour, COLORREF fallback);

// Keys the form handles before the dialog manager sees them (Enter on a
// button, F1, Delete on a list), then the dialog manager's own (Tab).
// True when the message was used.
bool FormPreTranslate(MSG& message);

}  // namespace vpa

#endif  // VPA_WIN32_FORM_WINDOW_H_
