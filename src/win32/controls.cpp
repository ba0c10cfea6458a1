// Walks the form's table into Win32 controls. Places are twips converted at
// the window's own dpi, so the form is crisp at every scale; what carries no
// behaviour (labels, pictures, lines, dots) is painted, not made a window.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "win32/form_font.h"
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

// Items the open section list shows before it scrolls.
constexpr int kVisibleItems = 20;

const wchar_t* ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineText:
      return L"EDIT";
    case ControlKind::kList:
      return L"COMBOBOX";
    case ControlKind::kButton:
      return L"BUTTON";
    default:
      return nullptr;
  }
}

DWORD StyleFor(const FormControl& design) {
  // Clipped by their siblings: the focus mark above them stays whole.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
  if (design.tab >= 0) style |= WS_TABSTOP;
  switch (design.kind) {
    case ControlKind::kTextBox:
      // The carrier keeps the path: it takes the focus, never typing.
      style |= ES_AUTOHSCROLL;
      if (design.role == Role::kClipboard) style |= ES_READONLY;
      break;
    case ControlKind::kMultiLineText:
      style |= ES_MULTILINE | ES_READONLY;
      break;
    case ControlKind::kList:
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      break;
    case ControlKind::kButton:
      style |= BS_OWNERDRAW | BS_NOTIFY;  // BS_NOTIFY: its focus notes
      break;
    default:
      break;
  }
  return style;
}

// Tab stops first, in their order, so the dialog manager walks them so.
bool ByTab(const FormControl& a, const FormControl& b) {
  auto key = [](const FormControl& c) { return c.tab < 0 ? 1 << 20 : c.tab; };
  return key(a) < key(b);
}

}  // namespace

COLORREF ResolveColour(const Colour& colour, COLORREF fallback) {
  switch (colour.source) {
    case Colour::Source::kRgb:
      return RGB(colour.red, colour.green, colour.blue);
    case Colour::Source::kWindowBackground:
      return GetSysColor(COLOR_WINDOW);
    case Colour::Source::kWindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    default:
      return fallback;
  }
}

RECT FormWindow::PixelRect(const TwipRect& place) const {
  auto px = [this](int twips) { return TwipsToPixels(twips, int(dpi_)); };
  return {px(place.left), px(place.top), px(place.left + place.width),
          px(place.top + place.height)};
}

HFONT FormWindow::Font(double points) { return fonts_.Get(points, dpi_); }

void FormWindow::BuildControls() {
  std::vector<FormControl> table = FormLayout(maker_);
  std::stable_sort(table.begin(), table.end(), ByTab);
  for (FormControl& design : table) {
    const wchar_t* window_class = ClassFor(design.kind);
    // Labels, pictures, lines and dots are painted: no window of their own.
    if (window_class == nullptr) {
      controls_.push_back({std::move(design), nullptr});
      continue;
    }
    DWORD extended =
        design.kind == ControlKind::kTextBox ? WS_EX_CLIENTEDGE : 0;
    std::wstring caption = design.kind == ControlKind::kList
                               ? std::wstring()
                               : From1252(design.caption);
    // Made in its place at once: moving each control after would cost the
    // start a second round of window changes.
    const RECT bounds = PixelRect(design.place);
    HWND hwnd = CreateWindowExW(
        extended, window_class, caption.c_str(), StyleFor(design), bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
        hwnd_, nullptr, instance_, nullptr);
    controls_.push_back({std::move(design), hwnd});
    Placed& placed = controls_.back();
    if (placed.design.kind == ControlKind::kList) {
      SetUpList(placed);
    } else {
      Place(placed, false);
    }
    if (!placed.design.hint.empty())
      SetHint(hwnd, From1252(placed.design.hint));
    spoken_.Name(hwnd, From1252(placed.design.accessible_name));
    if (placed.design.kind == ControlKind::kTextBox && placed.design.row != 0) {
      KeepStorable(hwnd);
      // An edit box cuts what is pasted beyond 30,000 characters without a
      // word; as in the Qt window, an entry is taken whole, whatever its
      // length, and the Run refuses it with its reason.
      SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
    }
  }
}

// Under Wine every change of a list's size, font or scroll bar also
// resizes the window of its open list, so the list is made at its face's
// height, gets its font and heights before its items, and takes the items
// with its drawing off.
void FormWindow::SetUpList(Placed& placed) {
  HWND list = placed.hwnd;
  // A themed list draws its own face and would drop the row's band.
  SetWindowTheme(list, L"", L"");
  Place(placed, false);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (std::string_view item : placed.design.items) {
    SendMessageW(list, CB_ADDSTRING, 0, LPARAM(From1252(item).c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  KeepTypeAhead(list);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(list, &info)) placed.open_list = info.hwndList;
  // The common controls size the open list by this many items, whatever
  // the window's height.
  SendMessageW(list, CB_SETMINVISIBLE, kVisibleItems, 0);
}

// The tooltips are made after the first paint: until then the hints are
// only kept.
void FormWindow::GiveHints() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                             nullptr, instance_, nullptr);
  // A tooltip keeps its lines as given only with a width to wrap at; they
  // wrap only where the screen ends.
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0,
               monitor.rcWork.right - monitor.rcWork.left);
  for (const auto& [control, text] : hints_) Tip(TTM_ADDTOOLW, control, text);
}

namespace {

// Wine draws a tooltip's text a few pixels narrower than it measured it,
// which cut the last character of the longest line: a blank at the end of
// each line takes the loss.
std::wstring TipText(const std::wstring& text) {
  std::wstring padded;
  for (wchar_t c : text) {
    if (c == L'\n') padded += L' ';
    padded += c;
  }
  return padded + L' ';
}

}  // namespace

// Adds the control's tool to the tooltips, or gives it its new text.
void FormWindow::Tip(UINT message, HWND control, const std::wstring& hint) {
  const std::wstring text = TipText(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = UINT_PTR(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, message, 0, LPARAM(&tool));
}

// A hint is also what a screen reader reads as the control's description.
void FormWindow::SetHint(HWND control, const std::wstring& text) {
  spoken_.Describe(control, text);
  const bool given = hints_.contains(control);
  hints_[control] = text;
  if (tooltip_ == nullptr) return;
  Tip(given ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, control, text);
}

// Font and item heights at the window's dpi; then the place, unless the
// control was just made there. A list sizes its face to its items' height
// itself, and its place is only its face.
void FormWindow::Place(const Placed& placed, bool move) {
  const FormControl& design = placed.design;
  HFONT font = design.points > 0 ? Font(design.points)
                                 : HFONT(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(placed.hwnd, WM_SETFONT, WPARAM(font), FALSE);
  if (design.kind == ControlKind::kList) {
    const int item = ListItemHeight(design.place.height, dpi_);
    SendMessageW(placed.hwnd, CB_SETITEMHEIGHT, WPARAM(-1), item);
    SendMessageW(placed.hwnd, CB_SETITEMHEIGHT, 0, item - 2);
  }
  if (!move) return;
  const RECT bounds = PixelRect(design.place);
  SetWindowPos(placed.hwnd, nullptr, bounds.left, bounds.top,
               bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::PlaceControls() {
  for (const Placed& placed : controls_) {
    if (placed.hwnd != nullptr) Place(placed, true);
  }
}

// A row's boxes and lists wear its band; the open list of a section list
// too, which reports itself by its own window.
HBRUSH FormWindow::Colours(HWND control, HDC dc) {
  const Placed* placed = Find([&](const Placed& candidate) {
    return candidate.hwnd == control || candidate.open_list == control;
  });
  if (placed == nullptr) return nullptr;
  const FormControl& design = placed->design;
  COLORREF background = ResolveColour(design.background,
                                      design.kind == ControlKind::kMultiLineText
                                          ? ResolveColour(kSlate, 0)
                                          : GetSysColor(COLOR_WINDOW));
  const bool refused = std::ranges::count(refused_boxes_, control) != 0;
  SetTextColor(
      dc, refused ? ResolveColour(kRefusalColour, 0)
                  : ResolveColour(design.text, GetSysColor(COLOR_WINDOWTEXT)));
  SetBkColor(dc, background);
  return Brush(background);
}

HBRUSH FormWindow::Brush(COLORREF colour) {
  HBRUSH& brush = brushes_[colour];
  if (brush == nullptr) brush = CreateSolidBrush(colour);
  return brush;
}

}  // namespace vpa
