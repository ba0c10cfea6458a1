// Between the window's texts and the core's bytes. The core keeps 8-bit
// text in Windows-1252, so every stored byte comes back unchanged.
#ifndef VPA_APP_TEXT_BYTES_H_
#define VPA_APP_TEXT_BYTES_H_

#include <QString>
#include <string>
#include <string_view>

#include "base/code_page_1252.h"

namespace vpa {

// A window's text in Windows-1252, the core's bytes, and back.
inline std::string To1252(const QString& text) {
  return Encode1252(std::u16string_view(
      reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

inline QString From1252(std::string_view bytes) {
  std::u16string text = Decode1252(bytes);
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

}  // namespace vpa

#endif  // VPA_APP_TEXT_BYTES_H_
