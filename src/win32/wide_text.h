// Between the window's UTF-16 texts and the core's bytes. Entries travel
// through Windows-1252, as the host reads them; paths stay UTF-16 so a
// program folder under any user name works.
#ifndef VPA_WIN32_WIDE_TEXT_H_
#define VPA_WIN32_WIDE_TEXT_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace vpa {

inline std::string ToBytes(std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(1252, 0, text.data(), int(text.size()),
                                 nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(1252, 0, text.data(), int(text.size()), bytes.data(),
                      size, nullptr, nullptr);
  return bytes;
}

inline std::wstring FromBytes(std::string_view bytes) {
  if (bytes.empty()) return {};
  int size = MultiByteToWideChar(1252, 0, bytes.data(), int(bytes.size()),
                                 nullptr, 0);
  std::wstring text(size, L'\0');
  MultiByteToWideChar(1252, 0, bytes.data(), int(bytes.size()), text.data(),
                      size);
  return text;
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
