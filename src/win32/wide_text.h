// Between the window's UTF-16 texts and the core's bytes. Entries travel
// through Windows-1252, as the host reads them; paths stay UTF-16 so a
// program folder under any user name works.
#ifndef VPA_WIN32_WIDE_TEXT_H_
#define VPA_WIN32_WIDE_TEXT_H_

#include <windows.h>

#include <string>
#include <string_view>

#include "base/code_page_1252.h"

namespace vpa {

// A window's text in Windows-1252, the core's bytes, and back. wchar_t
// is UTF-16 on Windows, so the core's mapping serves as it is.
inline std::string To1252(std::wstring_view text) {
  return Encode1252(std::u16string_view(
      reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

inline std::wstring From1252(std::string_view bytes) {
  std::u16string text = Decode1252(bytes);
  return std::wstring(text.begin(), text.end());
}

// The core names files in UTF-8.
inline std::wstring FromUtf8(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(
      CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
  wide.resize(length > 0 ? size_t(length) : 0);
  return wide;
}

// The texts of the window's own code are ASCII.
inline std::wstring Widen(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

inline std::wstring WindowText(HWND control) {
  std::wstring text(GetWindowTextLengthW(control), L'\0');
  if (!text.empty()) {
    GetWindowTextW(control, text.data(), int(text.size()) + 1);
  }
  return text;
}

}  // namespace vpa

#endif  // VPA_WIN32_WIDE_TEXT_H_
