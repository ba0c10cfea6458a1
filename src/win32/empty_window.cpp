// An empty window of the form's client size, for the start-up benchmark:
// what any Win32 window costs, to measure the form against. Started with
// "lists", it holds the form's lists as plain native lists at their places
// and nothing else: what the lists alone cost.
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

// Each list as the form makes it: its items, its font, its face's height
// (the common controls of old: this window declares no newer ones).
void AddLists(HWND parent, HINSTANCE instance) {
  const UINT dpi = GetDpiForWindow(parent);
  auto px = [dpi](int twips) { return vpa::TwipsToPixels(twips, int(dpi)); };
  for (const vpa::FormControl& design : vpa::FormLayout({})) {
    if (design.kind != vpa::ControlKind::kList) continue;
    HFONT font = vpa::CreateFormFont(design.points, dpi);
    const vpa::TwipRect& place = design.place;
    HWND list = CreateWindowExW(
        0, L"COMBOBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL,
        px(place.left), px(place.top), px(place.width), px(place.height) * 10,
        parent, nullptr, instance, nullptr);
    for (std::string_view item : design.items) {
      SendMessageW(list, CB_ADDSTRING, 0, LPARAM(vpa::Widen(item).c_str()));
    }
    SendMessageW(list, WM_SETFONT, WPARAM(font), FALSE);
    SendMessageW(list, CB_SETITEMHEIGHT, WPARAM(-1),
                 vpa::ListItemHeight(place.height, dpi));
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int show) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
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
  if (std::wcscmp(command, L"lists") == 0) AddLists(hwnd, instance);
  ShowWindow(hwnd, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
