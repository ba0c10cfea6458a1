// An empty window of the form's client size, for the start-up benchmark:
// what any Win32 window costs, to measure the form against. Started with
// "lists", it holds the form's lists as plain native lists at their places
// and nothing else: what the lists alone cost. Started with "bare", it holds
// every native control the form makes (its boxes, lists with their items
// and buttons, each with the form's font) and nothing else: the floor under
// the form, so that the form's time over it is what our code adds.
#include <windows.h>

#include <cwchar>

#include "form/layout.h"
#include "win32/form_font.h"
#include "win32/wide_text.h"

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, w, l);
}

struct Native {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended;
};

// The window class and plain style of a control the form makes a window
// for; no class for what the form paints itself.
Native NativeFor(vpa::ControlKind kind) {
  switch (kind) {
    case vpa::ControlKind::kList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case vpa::ControlKind::kTextBox:
      return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case vpa::ControlKind::kMultiLineText:
      return {L"EDIT", ES_MULTILINE | ES_READONLY, 0};
    case vpa::ControlKind::kButton:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    default:
      return {nullptr, 0, 0};
  }
}

// Each control as the form makes it: its font; a list at its face's height
// with its face height set before its items, which go in with its drawing
// off. The controls are the common controls 6, as the form's manifest, which
// this window declares too, asks for.
void AddControls(HWND parent, HINSTANCE instance, bool lists_only) {
  const UINT dpi = GetDpiForWindow(parent);
  auto px = [dpi](int twips) { return vpa::TwipsToPixels(twips, int(dpi)); };
  for (const vpa::FormControl& design : vpa::FormLayout({})) {
    const bool list = design.kind == vpa::ControlKind::kList;
    const Native native = NativeFor(design.kind);
    if (native.window_class == nullptr || (lists_only && !list)) continue;
    HFONT font = vpa::CreateFormFont(design.points, dpi);
    const vpa::TwipRect& place = design.place;
    const std::wstring caption = list ? L"" : vpa::Widen(design.caption);
    HWND control =
        CreateWindowExW(native.extended, native.window_class, caption.c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | native.style,
                        px(place.left), px(place.top), px(place.width),
                        px(place.height), parent, nullptr, instance, nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(font), FALSE);
    if (!list) continue;
    SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1),
                 vpa::ListItemHeight(place.height, dpi));
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    for (std::string_view item : design.items) {
      SendMessageW(control, CB_ADDSTRING, 0, LPARAM(vpa::Widen(item).c_str()));
    }
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int show) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = CreateSolidBrush(RGB(107, 136, 158));
  window_class.lpszClassName = L"VPA.EmptyWindow";
  RegisterClassExW(&window_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 1131, 594};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND hwnd = CreateWindowExW(
      0, L"VPA.EmptyWindow", L"SDS/2 Macro. Vertical Plain Angles", style,
      CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (std::wcscmp(command, L"lists") == 0) AddControls(hwnd, instance, true);
  if (std::wcscmp(command, L"bare") == 0) AddControls(hwnd, instance, false);
  ShowWindow(hwnd, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
