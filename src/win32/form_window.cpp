// The window class, registered per program folder so that a second launch
// finds this window, and the routing of its messages.
#include "win32/form_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "form/fields.h"
#include "form/picture_places.h"
#include "win32/resources.h"
#include "win32/single_instance.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

// A timer's message comes only once no other message, painting included,
// waits: the spoken names (which need COM) and the tooltips are given
// then, as the first paint does not need them.
constexpr UINT_PTR kAfterFirstPaint = 1;

// A fixed frame: the form's places assume its client size.
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

// The window's size for the form's client size at `form_dpi`, whatever
// frame the system draws around it at the window's `dpi`; at a `form_dpi`
// of 0, the frame alone.
SIZE FrameSize(UINT form_dpi, UINT dpi) {
  RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, int(form_dpi)),
             TwipsToPixels(kClientHeightTwips, int(form_dpi))};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT WorkArea(HMONITOR monitor) {
  MONITORINFO info{sizeof info};
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

// The dpi the form is drawn at on `monitor` at `dpi`: that dpi, unless the
// form would not fit the monitor's work area there.
UINT FormDpi(UINT dpi, HMONITOR monitor) {
  const SIZE frame = FrameSize(0, dpi);
  const RECT work = WorkArea(monitor);
  return UINT(FittingDpi(int(dpi), frame.cx, frame.cy, work.right - work.left,
                         work.bottom - work.top));
}

// Moves the window into its monitor's work area where it reaches beyond it.
void KeepInWorkArea(HWND window) {
  RECT now;
  GetWindowRect(window, &now);
  const RECT work =
      WorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
  const LONG left = std::max(
      work.left, std::min(now.left, work.right - (now.right - now.left)));
  const LONG top = std::max(
      work.top, std::min(now.top, work.bottom - (now.bottom - now.top)));
  if (left == now.left && top == now.top) return;
  SetWindowPos(window, nullptr, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, std::filesystem::path folder,
                       Maker maker)
    : instance_(instance),
      folder_(std::move(folder)),
      core_folder_(folder_),
      maker_(std::move(maker)),
      macro_path_(core_folder_.MacroFile().wstring()),
      controller_(core_folder_, *this, maker_) {}

FormWindow::~FormWindow() {
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

bool FormWindow::Create(const std::wstring& class_name, int show) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance_;
  window_class.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VPA));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = class_name.c_str();
  if (RegisterClassExW(&window_class) == 0) return false;

  // Made at its size for the system's dpi, which is the window's own unless
  // it opens on a monitor of another scale. A new window opens on the
  // primary monitor; made at its final size there, for under Wine a resize
  // before the first show may be lost.
  const UINT dpi = GetDpiForSystem();
  const HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  const SIZE size = FrameSize(FormDpi(dpi, primary), dpi);
  hwnd_ = CreateWindowExW(kExtendedStyle, class_name.c_str(),
                          Widen(kFormCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                          instance_, this);
  if (hwnd_ == nullptr) return false;
  running_form_ = this;
  KeepInWorkArea(hwnd_);
  // A box given its text tells the form (EN_CHANGE), which reads it then.
  SetWindowTextW(Window(kClipboardCarrier), macro_path_.c_str());
  controller_.Start();
  ShowWindow(hwnd_, show);
  SetFocus(Window(ControlName(1, RowField::kH)));
  SetTimer(hwnd_, kAfterFirstPaint, 0, nullptr);
  return true;
}

// The client area is the form's size at the window's dpi. The window is
// resized only when it must: under Wine a resize also reconfigures its X
// window.
void FormWindow::FitFrame() {
  const SIZE size = FrameSize(dpi_, window_dpi_);
  RECT now;
  GetWindowRect(hwnd_, &now);
  if (now.right - now.left == size.cx && now.bottom - now.top == size.cy) {
    return;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::FitToDpi(UINT dpi, HMONITOR monitor) {
  window_dpi_ = dpi;
  dpi_ = FormDpi(dpi, monitor);
  FitFrame();
  PlaceControls();
  preview_.Place(PixelRect(kLogoPlace), dpi_);
  controller_.Focused(NameOf(GetFocus()));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// Back from minimised or brought forward, by the form's rule.
void FormWindow::FocusOnReturn() { controller_.Returned(NameOf(focus_)); }

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(
        reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(self));
  }
  auto* self =
      reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, w, l);
  return self->Handle(message, w, l);
}

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      window_dpi_ = GetDpiForWindow(hwnd_);
      dpi_ = FormDpi(window_dpi_,
                     MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST));
      BuildControls();
      preview_.Create(hwnd_, instance_);
      preview_.Place(PixelRect(kLogoPlace), dpi_);
      spoken_.Name(preview_.hwnd(), L"Preview of the row");
      FitFrame();
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(l);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      FitToDpi(HIWORD(w), MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      Paint(dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = Colours(HWND(l), HDC(w))) return LRESULT(brush);
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (item.CtlType == ODT_STATIC) {  // a side of the focus mark
        FillRect(item.hDC, &item.rcItem,
                 Brush(ResolveColour(kFocusMarkColour, 0)));
      } else {
        DrawButton(item);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (l != 0) OnCommand(HWND(l), HIWORD(w));
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control that had the focus when the window
      // was left (for a message box, or minimised after a Run) has it
      // again when the window comes back.
      if (LOWORD(w) == WA_INACTIVE && IsChild(hwnd_, GetFocus())) {
        focus_ = GetFocus();
      }
      break;
    case WM_SETFOCUS:
      // The form takes no keys itself: the control that had the focus
      // takes them.
      if (GetFocus() == hwnd_ && IsWindow(focus_)) SetFocus(focus_);
      return 0;
    case WM_SIZE:
      // Restored from minimised, the form itself holds the focus.
      if (w == SIZE_RESTORED) FocusOnReturn();
      return 0;
    case WM_CLOSE:
      controller_.Close();
      DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without WM_CLOSE: save now, as closing would.
      if (w) controller_.EndSession();
      return 0;
    case WM_TIMER:
      if (w == kSaveTimer) {
        controller_.SaveTimerFired();
        return 0;
      }
      if (w != kAfterFirstPaint) break;
      KillTimer(hwnd_, kAfterFirstPaint);
      GiveHints();
      spoken_.Start();
      controller_.TellStartNotes();
      return 0;
    case WM_DESTROY:
      running_form_ = nullptr;
      PostQuitMessage(0);
      return 0;
    case kRefusedEdit:
      controller_.RefusedEdit(NameOf(HWND(w)), To1252(WindowText(HWND(w))),
                              *reinterpret_cast<const std::string*>(l));
      return 0;
    case kTypedInList:
      return controller_.TypeInList(
          NameOf(HWND(w)), To1252(std::wstring(1, wchar_t(l))),
          int64_t(GetTickCount64()), int(GetDoubleClickTime()));
    case kShowYourself:
      if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
      SetForegroundWindow(hwnd_);
      FocusOnReturn();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, w, l);
}

}  // namespace vpa
