// A message box whose last line is a path the detailer can select and copy:
// MessageBox text cannot be selected.
#ifndef VPA_WIN32_PATH_MESSAGE_H_
#define VPA_WIN32_PATH_MESSAGE_H_

#include <windows.h>

#include <string>

namespace vpa {

// Shows `text` under the title `title` with the error sound, and `path` in
// a read-only box, selected; returns once OK (or Esc) closes it.
void ShowPathMessage(HWND owner, const std::wstring& title,
                     const std::wstring& text, const std::wstring& path);

}  // namespace vpa

#endif  // VPA_WIN32_PATH_MESSAGE_H_
