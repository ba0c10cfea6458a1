// Between the window's texts and the core's bytes. The core keeps 8-bit
// text in Windows-1252, so every stored byte comes back unchanged, and a
// box refuses a character that has no byte as it is typed.
#ifndef VPA_APP_TEXT_BYTES_H_
#define VPA_APP_TEXT_BYTES_H_

#include <QFile>
#include <QString>
#include <QValidator>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/code_page_1252.h"
#include "form/entry_text.h"

namespace vpa {

inline std::string ToBytes(const QString& text) {
  return Encode1252(std::u16string_view(
      reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

inline QString FromBytes(std::string_view bytes) {
  std::u16string text = Decode1252(bytes);
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// Keeps an entry to what the store can keep, by the form's rule: a paste
// ends at its first line break, and an edit that brings a control
// character or a character without a byte is refused whole.
class StorableText : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& cursor) const override {
    EditedEntry edited = AfterEdit(
        std::u16string_view(reinterpret_cast<const char16_t*>(input.utf16()),
                            size_t(input.size())),
        size_t(cursor));
    if (!edited.allowed) return Invalid;
    input =
        QString::fromUtf16(edited.text.data(), qsizetype(edited.text.size()));
    cursor = int(edited.cursor);
    return Acceptable;
  }
};

inline std::filesystem::path ToPath(const QString& folder) {
#ifdef _WIN32
  return std::filesystem::path(folder.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

}  // namespace vpa

#endif  // VPA_APP_TEXT_BYTES_H_
