// Typing in a closed list finds an item by the start of its name, blanks
// included ("L3 1/2x2 1/2x1/4"), by the form's type-ahead rule; the
// system's own search stops at the first blank. The pause that starts a new
// search is the system's, as its own lists take it.
#include <windows.h>
#include <commctrl.h>

#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

std::vector<std::string> Items(HWND list) {
  std::vector<std::string> items;
  const int count = int(SendMessageW(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(SendMessageW(list, CB_GETLBTEXTLEN, i, 0), L'\0');
    SendMessageW(list, CB_GETLBTEXT, i, LPARAM(text.data()));
    items.push_back(To1252(text));
  }
  return items;
}

LRESULT CALLBACK TypeAheadList(HWND list, UINT message, WPARAM w, LPARAM l,
                               UINT_PTR, DWORD_PTR data) {
  if (message != WM_CHAR || w < 0x20 || w == 0x7F ||
      SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0)) {
    return DefSubclassProc(list, message, w, l);
  }
  const std::string typed = To1252(std::wstring(1, wchar_t(w)));
  auto* type_ahead = reinterpret_cast<TypeAhead*>(data);
  const TypeAhead::Step step =
      typed.size() == 1
          ? type_ahead->Type(Items(list), typed[0], int64_t(GetTickCount64()),
                             int(GetDoubleClickTime()))
          : TypeAhead::Step{};
  if (!step.used) return DefSubclassProc(list, message, w, l);
  if (step.found >= 0 &&
      step.found != int(SendMessageW(list, CB_GETCURSEL, 0, 0))) {
    SendMessageW(list, CB_SETCURSEL, WPARAM(step.found), 0);
    SendMessageW(GetParent(list), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), LPARAM(list));
  }
  return 0;
}

}  // namespace

void KeepTypeAhead(HWND list, TypeAhead* typed) {
  SetWindowSubclass(list, TypeAheadList, 2, DWORD_PTR(typed));
}

}  // namespace vpa
