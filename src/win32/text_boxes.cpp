// The row boxes take only what the field files can keep, by the form's
// rule: a typed character without a Windows-1252 byte is refused as it is
// typed, a paste ends at its first line break, and a paste that holds a
// control character or a character without a byte is refused whole.
#include <windows.h>
#include <commctrl.h>

#include "form/entry_text.h"
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

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
  if (message == WM_CHAR && w >= 0x20 &&
      !AfterEdit(std::u16string(1, char16_t(w)), 1).allowed) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (message == WM_PASTE) {
    const std::wstring clip = ClipboardText(box);
    const EditedEntry pasted =
        AfterEdit(std::u16string(clip.begin(), clip.end()), clip.size());
    if (!pasted.allowed) {
      MessageBeep(MB_OK);
    } else {
      const std::wstring text(pasted.text.begin(), pasted.text.end());
      SendMessageW(box, EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
    }
    return 0;
  }
  return DefSubclassProc(box, message, w, l);
}

}  // namespace

void KeepStorable(HWND box) { SetWindowSubclass(box, StorableOnly, 1, 0); }

}  // namespace vpa
