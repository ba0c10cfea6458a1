// The box is a dialog template built in memory, so it needs no resource and
// the dialog manager gives it Tab, Enter and Esc.
#include "win32/path_message.h"

#include <vector>

namespace vpa {
namespace {

constexpr int kText = 100;
constexpr int kPath = 101;
// In dialog units: wide enough for a deep folder, high enough for the
// message's four lines.
constexpr short kWidth = 320;
constexpr short kTextHeight = 40;

class Template {
 public:
  void Word(WORD word) { words_.push_back(word); }
  void Text(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    Word(0);
  }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Align() {
    if (words_.size() % 2) Word(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id,
            WORD class_atom, const std::wstring& text) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short value : {x, y, cx, cy}) Word(WORD(value));
    Word(id);
    Word(0xFFFF);
    Word(class_atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* data() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
  }

 private:
  std::vector<WORD> words_;
};

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    HWND path = GetDlgItem(dialog, kPath);
    SetWindowTextW(path, reinterpret_cast<const wchar_t*>(l));
    SetFocus(path);
    SendMessageW(path, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
  }
  if (message != WM_COMMAND || (LOWORD(w) != IDOK && LOWORD(w) != IDCANCEL)) {
    return FALSE;
  }
  EndDialog(dialog, LOWORD(w));
  return TRUE;
}

}  // namespace

void ShowPathMessage(HWND owner, const std::wstring& title,
                     const std::wstring& text, const std::wstring& path) {
  const short margin = 7;
  const short path_top = margin + kTextHeight + 4;
  const short button_top = path_top + 14 + 7;
  Template dialog;
  dialog.Dword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SHELLFONT |
               WS_POPUP | WS_CAPTION | WS_SYSMENU);
  dialog.Dword(0);
  dialog.Word(3);  // items
  for (short value : {short(0), short(0), short(kWidth + 2 * margin),
                      short(button_top + 14 + margin)}) {
    dialog.Word(WORD(value));
  }
  dialog.Word(0);  // no menu
  dialog.Word(0);  // the dialog class
  dialog.Text(title);
  dialog.Word(9);
  dialog.Text(L"MS Shell Dlg");
  dialog.Item(SS_LEFT, margin, margin, kWidth, kTextHeight, kText, 0x0082,
              text);
  dialog.Item(ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, margin,
              path_top, kWidth, 14, kPath, 0x0081, L"");
  dialog.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, margin + kWidth - 50, button_top,
              50, 14, IDOK, 0x0080, L"OK");
  MessageBeep(MB_ICONERROR);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.data(), owner, Proc,
                          LPARAM(path.c_str()));
}

}  // namespace vpa
