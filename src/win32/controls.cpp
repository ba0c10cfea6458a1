// Walks the form's table into Win32 controls. Places are twips converted at
// the window's own dpi, so the form is crisp at every scale; what carries no
// behaviour (labels, pictures, lines, dots) is painted, not made a window.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>

#include "catalogue/angle_catalogue.h"
#include "form/row_feedback.h"
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
  DWORD style = WS_CHILD | (design.visible ? WS_VISIBLE : 0);
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
      style |= BS_OWNERDRAW;
      break;
    default:
      break;
  }
  return style;
}

COLORREF Resolve(const Colour& colour, COLORREF fallback) {
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

// Tab stops first, in their order, so the dialog manager walks them so.
bool ByTab(const FormControl& a, const FormControl& b) {
  auto key = [](const FormControl& c) { return c.tab < 0 ? 1 << 20 : c.tab; };
  return key(a) < key(b);
}

}  // namespace

COLORREF ResolveColour(const Colour& colour, COLORREF fallback) {
  return Resolve(colour, fallback);
}

int FormWindow::Px(int twips) const { return TwipsToPixels(twips, int(dpi_)); }

RECT FormWindow::PixelRect(const TwipRect& place) const {
  return {Px(place.left), Px(place.top), Px(place.left + place.width),
          Px(place.top + place.height)};
}

HFONT FormWindow::Font(double points) {
  int key = int(std::lround(points * 100));
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  HFONT font = CreateFontW(
      -int(std::lround(points * dpi_ / 72.0)), 0, 0, 0, FW_BOLD, FALSE, FALSE,
      FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
      CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
  fonts_[key] = font;
  return font;
}

void FormWindow::BuildControls() {
  std::vector<FormControl> table = FormLayout(maker_);
  std::stable_sort(table.begin(), table.end(), ByTab);
  for (FormControl& design : table) {
    const wchar_t* window_class = ClassFor(design.kind);
    // The staging fields are the core's; the window needs no box for them.
    if (window_class == nullptr || design.role == Role::kStaging) {
      controls_.push_back({std::move(design), nullptr});
      continue;
    }
    DWORD extended =
        design.kind == ControlKind::kTextBox ? WS_EX_CLIENTEDGE : 0;
    std::wstring caption = design.kind == ControlKind::kList
                               ? std::wstring()
                               : FromBytes(design.caption);
    HWND hwnd = CreateWindowExW(extended, window_class, caption.c_str(),
                                StyleFor(design), 0, 0, 0, 0, hwnd_, nullptr,
                                instance_, nullptr);
    for (std::string_view item : design.items) {
      SendMessageW(hwnd, CB_ADDSTRING, 0, LPARAM(FromBytes(item).c_str()));
    }
    // A themed list draws its own face and would drop the row's band.
    if (design.kind == ControlKind::kList) {
      SetWindowTheme(hwnd, L"", L"");
      KeepTypeAhead(hwnd, &typed_);
    }
    if (!design.hint.empty()) AddHint(hwnd, FromBytes(design.hint));
    if (design.kind == ControlKind::kTextBox && design.row != 0)
      KeepStorable(hwnd);
    if (design.role == Role::kRun)
      AddHint(hwnd, FromBytes(RunTooltip(design.row)));
    controls_.push_back({std::move(design), hwnd});
  }
}

void FormWindow::AddHint(HWND control, const std::wstring& text) {
  if (tooltip_ == nullptr) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                               nullptr, instance_, nullptr);
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = UINT_PTR(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

void FormWindow::SetHint(HWND control, const std::wstring& text) {
  if (tooltip_ == nullptr) return AddHint(control, text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = UINT_PTR(control);
  if (!SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, LPARAM(&tool))) {
    return AddHint(control, text);
  }
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, LPARAM(&tool));
}

void FormWindow::PlaceControls() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  fonts_.clear();
  for (Placed& placed : controls_) {
    if (placed.hwnd == nullptr) continue;
    const FormControl& design = placed.design;
    RECT place = PixelRect(design.place);
    int height = place.bottom - place.top;
    HFONT font = design.points > 0 ? Font(design.points)
                                   : HFONT(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(placed.hwnd, WM_SETFONT, WPARAM(font), FALSE);
    if (design.kind == ControlKind::kList) {
      // The closed face is the table's height; the open list shows a
      // screenful of items and scrolls.
      int item = Px(design.place.height) - 6;
      SendMessageW(placed.hwnd, CB_SETITEMHEIGHT, WPARAM(-1), item);
      SendMessageW(placed.hwnd, CB_SETITEMHEIGHT, 0, item - 2);
      height += kVisibleItems * (item - 2) + 2;
    }
    SetWindowPos(placed.hwnd, nullptr, place.left, place.top,
                 place.right - place.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND FormWindow::Control(Role role, int row) const {
  for (const Placed& placed : controls_) {
    if (placed.design.role == role && placed.design.row == row)
      return placed.hwnd;
  }
  return nullptr;
}

// A row's boxes and lists wear its band; the open list of a section list
// too, which reports itself by its own window.
HBRUSH FormWindow::Colours(HWND control, HDC dc) {
  for (const Placed& placed : controls_) {
    if (placed.hwnd == nullptr) continue;
    bool is_list = false;
    if (placed.design.kind == ControlKind::kList && placed.hwnd != control) {
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      is_list = GetComboBoxInfo(placed.hwnd, &info) && info.hwndList == control;
    }
    if (placed.hwnd != control && !is_list) continue;
    const FormControl& design = placed.design;
    COLORREF background =
        Resolve(design.background, design.kind == ControlKind::kMultiLineText
                                       ? RGB(107, 136, 158)
                                       : GetSysColor(COLOR_WINDOW));
    const bool refused = std::find(refused_boxes_.begin(), refused_boxes_.end(),
                                   control) != refused_boxes_.end();
    SetTextColor(dc, refused
                         ? RGB(204, 0, 0)
                         : Resolve(design.text, GetSysColor(COLOR_WINDOWTEXT)));
    SetBkColor(dc, background);
    return Brush(background);
  }
  return nullptr;
}

HBRUSH FormWindow::Brush(COLORREF colour) {
  auto found = brushes_.find(colour);
  if (found != brushes_.end()) return found->second;
  return brushes_[colour] = CreateSolidBrush(colour);
}

}  // namespace vpa
