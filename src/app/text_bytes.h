// Between the window's texts and the core's bytes. The core keeps 8-bit
// text in the system's code page, so the window converts through it.
#ifndef VPA_APP_TEXT_BYTES_H_
#define VPA_APP_TEXT_BYTES_H_

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace vpa {

inline std::string ToBytes(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

inline QString FromBytes(std::string_view bytes) {
  return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}

inline std::filesystem::path ToPath(const QString& folder) {
#ifdef _WIN32
  return std::filesystem::path(folder.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

}  // namespace vpa

#endif  // VPA_APP_TEXT_BYTES_H_
