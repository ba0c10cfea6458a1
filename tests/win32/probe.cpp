// vpa-probe COMMAND: looks at the running form vpa.exe from outside, for the
// Windows check, which cannot see inside Wine's windows.
//   focus        the focused control's place in the form's client area
//                ("left top width height")
//   shown        "minimised" or "normal", as the form's own thread has
//                made it: X may tell a change before Wine has done it
//   messages     every message box of the form's process: its caption and
//                its text, one line each
//   end-session  the system's end of the session: WM_QUERYENDSESSION, then
//                WM_ENDSESSION, each answered within 5 s
//   open-list    the open list of the form's process: the items it shows
//                at once and the items it holds ("shown held")
//   type HEX...  the characters of these code points, as a keyboard or an
//                input method sends them (WM_CHAR) to the focused control
//   names        every control of the form's table that has a spoken name,
//                in the table's order: its name, a tab and the name a
//                screen reader reads from its window ("<no window>" when
//                none sits at its place)
//   fit          the form's frame, the work area of its monitor and its
//                client size ("left top right bottom" twice, then
//                "width height")
//   hold-clipboard  opens the clipboard, prints "held", and keeps it open
//                until its standard input ends, as a clipboard manager may
// Exits 1 when there is no form, no focus, no message box or no open list,
// 2 when the form does not answer in time.
#include <windows.h>
// windows.h first: the others need its types. The GUIDs are defined here:
// the import library's IID_IAccessible is not the GUID.
#include <initguid.h>
#include <oleacc.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "form/layout.h"

namespace {

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()),
                                 nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(),
                      size, nullptr, nullptr);
  return bytes;
}

std::wstring Text(HWND window) {
  wchar_t text[2048] = {};
  GetWindowTextW(window, text, 2048);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The form: the top-level window of its caption that is not a dialog.
HWND FindForm() {
  const std::string ascii = vpa::kFormCaption;
  const std::wstring caption(ascii.begin(), ascii.end());
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, caption.c_str()))) {
    if (ClassOf(window) != L"#32770") return window;
  }
  return nullptr;
}

// X cannot type what the keyboard lacks into Wine reliably: the characters
// are posted as the system posts a key's.
int Type(HWND form, int count, char** code_points) {
  GUITHREADINFO info{sizeof info};
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) ||
      info.hwndFocus == nullptr) {
    std::puts("none");
    return 1;
  }
  for (int i = 0; i < count; ++i) {
    unsigned long c = std::strtoul(code_points[i], nullptr, 16);
    if (c >= 0x10000) {
      c -= 0x10000;
      PostMessageW(info.hwndFocus, WM_CHAR, 0xD800 + (c >> 10), 1);
      c = 0xDC00 + (c & 0x3FF);
    }
    PostMessageW(info.hwndFocus, WM_CHAR, c, 1);
  }
  return 0;
}

int Focus(HWND form) {
  GUITHREADINFO info{sizeof info};
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) ||
      info.hwndFocus == nullptr) {
    std::puts("none");
    return 1;
  }
  RECT place;
  GetWindowRect(info.hwndFocus, &place);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&place), 2);
  std::printf("%ld %ld %ld %ld\n", place.left, place.top,
              place.right - place.left, place.bottom - place.top);
  return 0;
}

// The shown top-level windows of one class in the form's process.
struct Found {
  DWORD process;
  const wchar_t* class_name;
  std::vector<HWND> windows;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<Found*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == found->process && ClassOf(window) == found->class_name &&
      IsWindowVisible(window)) {
    found->windows.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> Shown(HWND form, const wchar_t* class_name) {
  Found found{0, class_name, {}};
  GetWindowThreadProcessId(form, &found.process);
  EnumWindows(NoteWindow, LPARAM(&found));
  return found.windows;
}

// An edit box of another process tells its text only when asked.
std::wstring EditText(HWND box) {
  wchar_t text[2048] = {};
  SendMessageTimeoutW(box, WM_GETTEXT, 2048, LPARAM(text), SMTO_BLOCK, 5000,
                      nullptr);
  return text;
}

BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
  const std::wstring kind = ClassOf(child);
  const std::wstring text = kind == L"Edit" ? EditText(child) : Text(child);
  if ((kind == L"Static" || kind == L"Edit") && !text.empty()) {
    std::printf("%s\n", Utf8(text).c_str());
  }
  return TRUE;
}

int Messages(HWND form) {
  const std::vector<HWND> boxes = Shown(form, L"#32770");
  for (HWND box : boxes) {
    std::printf("%s\n", Utf8(Text(box)).c_str());
    EnumChildWindows(box, PrintStatic, 0);
  }
  return boxes.empty() ? 1 : 0;
}

int OpenList(HWND form) {
  for (HWND list : Shown(form, L"ComboLBox")) {
    RECT client;
    GetClientRect(list, &client);
    const LRESULT item = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    if (item <= 0) continue;
    std::printf("%ld %ld\n", client.bottom / long(item),
                long(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    return 0;
  }
  std::puts("no open list");
  return 1;
}

int EndSession(HWND form) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                           SMTO_ABORTIFHUNG, 5000, &answer)) {
    std::puts("no answer to WM_QUERYENDSESSION within 5 s");
    return 2;
  }
  std::printf("WM_QUERYENDSESSION answered %s\n", answer ? "TRUE" : "FALSE");
  if (!SendMessageTimeoutW(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                           SMTO_ABORTIFHUNG, 5000, &answer)) {
    std::puts("WM_ENDSESSION not handled within 5 s");
    return 2;
  }
  std::puts("WM_ENDSESSION handled");
  return 0;
}

// The form's dpi as the probe sees its client area.
int FormDpi(HWND form) {
  RECT client;
  GetClientRect(form, &client);
  return int(std::lround(double(client.right) * vpa::kTwipsPerInch /
                         vpa::kClientWidthTwips));
}

const wchar_t* ClassFor(vpa::ControlKind kind) {
  switch (kind) {
    case vpa::ControlKind::kButton:
      return L"Button";
    case vpa::ControlKind::kList:
      return L"ComboBox";
    default:
      return L"Edit";
  }
}

// The form's child window of the control's class at the control's place.
HWND WindowOf(HWND form, const vpa::FormControl& control, int dpi) {
  const int left = vpa::TwipsToPixels(control.place.left, dpi);
  const int top = vpa::TwipsToPixels(control.place.top, dpi);
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&place), 2);
    if (std::abs(place.left - left) <= 1 && std::abs(place.top - top) <= 1 &&
        _wcsicmp(ClassOf(child).c_str(), ClassFor(control.kind)) == 0) {
      return child;
    }
  }
  return nullptr;
}

std::wstring SpokenName(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT),
                                        IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return L"<no accessible object>";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
    text.assign(name, SysStringLen(name));
  }
  SysFreeString(name);
  object->Release();
  return text;
}

int Names(HWND form) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int dpi = FormDpi(form);
  for (const vpa::FormControl& control : vpa::FormLayout(vpa::BuiltInMaker())) {
    if (control.accessible_name.empty()) continue;
    HWND window = WindowOf(form, control, dpi);
    const std::wstring name = window ? SpokenName(window) : L"<no window>";
    std::printf("%s\t%s\n", control.name.c_str(), Utf8(name).c_str());
  }
  CoUninitialize();
  return 0;
}

int Fit(HWND form) {
  RECT frame;
  GetWindowRect(form, &frame);
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT client;
  GetClientRect(form, &client);
  const RECT& work = monitor.rcWork;
  std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %ld %ld\n", frame.left,
              frame.top, frame.right, frame.bottom, work.left, work.top,
              work.right, work.bottom, client.right, client.bottom);
  return 0;
}

int HoldClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  std::puts("held");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  CloseClipboard();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "hold-clipboard") return HoldClipboard();
  HWND form = FindForm();
  if (form == nullptr) {
    std::puts("no form");
    return 1;
  }
  if (command == "focus") return Focus(form);
  if (command == "shown") {
    std::puts(IsIconic(form) ? "minimised" : "normal");
    return 0;
  }
  if (command == "messages") return Messages(form);
  if (command == "end-session") return EndSession(form);
  if (command == "open-list") return OpenList(form);
  if (command == "names") return Names(form);
  if (command == "type") return Type(form, argc - 2, argv + 2);
  if (command == "fit") return Fit(form);
  std::fprintf(stderr,
               "usage: vpa-probe focus|shown|messages|end-session|open-list|"
               "names|fit|hold-clipboard|type HEX...\n");
  return 2;
}
