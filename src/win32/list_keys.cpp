// Typing in a closed list goes to the form, which finds an item by the start
// of its name, blanks included ("L3 1/2x2 1/2x1/4"); the system's own search
// stops at the first blank.
#include <windows.h>
#include <commctrl.h>

#include "win32/form_window.h"

namespace vpa {
namespace {

LRESULT CALLBACK TypeAheadList(HWND list, UINT message, WPARAM w, LPARAM l,
                               UINT_PTR, DWORD_PTR) {
  if (message != WM_CHAR || w < 0x20 || w == 0x7F ||
      SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) ||
      !SendMessageW(GetParent(list), kTypedInList, WPARAM(list), LPARAM(w))) {
    return DefSubclassProc(list, message, w, l);
  }
  return 0;
}

}  // namespace

void KeepTypeAhead(HWND list) { SetWindowSubclass(list, TypeAheadList, 2, 0); }

}  // namespace vpa
