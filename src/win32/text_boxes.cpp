// The row boxes take only what the field files can keep: a typed character
// without a Windows-1252 byte is refused as it is typed, and a paste that
// holds one is refused whole, as the Qt window does.
#include <windows.h>
#include <commctrl.h>

#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

bool Storable(std::wstring_view text) {
  for (wchar_t unit : text) {
    if (!IsStorable1252(char32_t(unit))) return false;
  }
  return true;
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

LRESULT CALLBACK StorableOnly(HWND box, UINT message, WPARAM w, LPARAM l,
                              UINT_PTR, DWORD_PTR) {
  if (message == WM_CHAR && w >= 0x20 && !IsStorable1252(char32_t(w))) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (message == WM_PASTE && !Storable(ClipboardText(box))) {
    MessageBeep(MB_OK);
    return 0;
  }
  return DefSubclassProc(box, message, w, l);
}

}  // namespace

void KeepStorable(HWND box) { SetWindowSubclass(box, StorableOnly, 1, 0); }

}  // namespace vpa
