// The row boxes take only what the field files can keep, by the form's
// rule: a typed or pasted character without a Windows-1252 byte becomes its
// plain twin, or a "?" the box's reading explains, and a paste brings its
// first line that holds anything.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

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

// Tells the form why an edit was not taken, or why a character stands as
// "?"; it shows the reason at the box.
void Tell(HWND box, const std::string& reason) {
  if (reason.empty()) return;
  SendMessageW(GetParent(box), kRefusedEdit, WPARAM(box), LPARAM(&reason));
}

// A character beyond the first plane comes as two WM_CHARs: the first half
// waits for the second.
LRESULT TypeCharacter(HWND box, WPARAM w, LPARAM l) {
  static char16_t high = 0;
  const char16_t unit = char16_t(w);
  if (unit >= 0xD800 && unit < 0xDC00) {
    high = unit;
    return 0;
  }
  std::u16string typed(1, unit);
  if (unit >= 0xDC00 && unit < 0xE000 && high != 0) typed.insert(0, 1, high);
  high = 0;
  const BroughtText taken = Bring(typed);
  if (taken.text.empty()) return 0;  // a typed line break
  const LRESULT result =
      DefSubclassProc(box, WM_CHAR, WPARAM(taken.text[0]), l);
  Tell(box, taken.note);
  return result;
}

LRESULT Paste(HWND box) {
  const std::wstring clip = ClipboardText(box);
  const BroughtText taken =
      Bring(std::u16string(clip.begin(), clip.end()), true);
  if (taken.refusal.empty()) {
    const std::wstring text(taken.text.begin(), taken.text.end());
    SendMessageW(box, EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
  }
  Tell(box, taken.refusal + taken.note);
  return 0;
}

std::pair<DWORD, DWORD> Selection(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return {start, end};
}

// An input method puts its result in without a WM_CHAR: what it brought is
// held to the same rule once the box has taken it.
LRESULT Composed(HWND box, UINT message, WPARAM w, LPARAM l) {
  const std::wstring before = WindowText(box);
  const auto [start, end] = Selection(box);
  const LRESULT result = DefSubclassProc(box, message, w, l);
  const std::wstring after = WindowText(box);
  if (after == before) return result;
  const EditedEntry edited = AfterEdit(
      {std::u16string(before.begin(), before.end()), start, end},
      std::u16string(after.begin(), after.end()), Selection(box).second);
  if (edited.text != std::u16string(after.begin(), after.end())) {
    SetWindowTextW(
        box, std::wstring(edited.text.begin(), edited.text.end()).c_str());
    SendMessageW(box, EM_SETSEL, edited.cursor, edited.cursor);
  }
  Tell(box, edited.refusal + edited.note);
  return result;
}

LRESULT CALLBACK StorableOnly(HWND box, UINT message, WPARAM w, LPARAM l,
                              UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
      if (w < 0x20) break;
      return TypeCharacter(box, w, l);
    case WM_PASTE:
      return Paste(box);
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
      return Composed(box, message, w, l);
    default:
      break;
  }
  return DefSubclassProc(box, message, w, l);
}

}  // namespace

void KeepStorable(HWND box) { SetWindowSubclass(box, StorableOnly, 1, 0); }

}  // namespace vpa
