// The C library gives its reasons in the character set of the locale (which
// the Qt window sets from the environment): Latin-1 text would show as
// broken characters in a window that reads UTF-8. They are converted here,
// once, where messages are built. Windows describes its own error codes in
// UTF-16, which converts whatever the language.
#include "base/system_reason.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <cwchar>
#else
#include <iconv.h>
#include <langinfo.h>
#endif

namespace vpa {
namespace {

#ifndef _WIN32
// `text` from the locale's character set into UTF-8; a byte that does not
// convert becomes '?', so the result is UTF-8 whatever happens.
std::string FromLocale(const std::string& text) {
  const char* codeset = nl_langinfo(CODESET);
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii || std::strcmp(codeset, "UTF-8") == 0) return text;
  std::string converted;
  iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter != reinterpret_cast<iconv_t>(-1)) {
    std::string out(text.size() * 4, '\0');
    char* in_at = const_cast<char*>(text.data());
    size_t in_left = text.size();
    char* out_at = out.data();
    size_t out_left = out.size();
    if (iconv(converter, &in_at, &in_left, &out_at, &out_left) !=
            static_cast<size_t>(-1) &&
        in_left == 0) {
      converted.assign(out.data(), out.size() - out_left);
    }
    iconv_close(converter);
  }
  if (!converted.empty()) return converted;
  for (char c : text) {
    converted += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  }
  return converted;
}
#else
// Windows' own words for its error codes, asked for in UTF-16 and so in the
// system's language whatever the ANSI code page.
std::string WindowsReason(int code) {
  wchar_t* text = nullptr;
  DWORD size = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                  FORMAT_MESSAGE_FROM_SYSTEM |
                                  FORMAT_MESSAGE_IGNORE_INSERTS,
                              nullptr, static_cast<DWORD>(code), 0,
                              reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide(text ? text : L"", size);
  LocalFree(text);
  // One line, ended as the other reasons are: without its full stop.
  while (!wide.empty() && std::wcschr(L"\r\n. ", wide.back())) wide.pop_back();
  if (wide.empty()) return "system error " + std::to_string(code);
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()),
                                  utf8.data(), int(utf8.size()), nullptr,
                                  nullptr));
  return utf8;
}
#endif

ErrorCode ErrnoCode(int error_number) {
  switch (error_number) {
    case ENOENT:
    case ENOTDIR:
      return ErrorCode::kNotFound;
    case EISDIR:
      return ErrorCode::kNotRegularFile;
    case EACCES:
    case EPERM:
    case EBUSY:
      return ErrorCode::kNoAccess;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return ErrorCode::kNoSpace;
    case EROFS:
      return ErrorCode::kReadOnlyFileSystem;
    case EFBIG:
      return ErrorCode::kTooLarge;
    default:
      return ErrorCode::kOtherSystemFailure;
  }
}

#ifdef _WIN32
ErrorCode WindowsCode(int code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return ErrorCode::kNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
      return ErrorCode::kNoAccess;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ErrorCode::kNoSpace;
    case ERROR_WRITE_PROTECT:
      return ErrorCode::kReadOnlyFileSystem;
    case ERROR_FILE_TOO_LARGE:
      return ErrorCode::kTooLarge;
    default:
      return ErrorCode::kOtherSystemFailure;
  }
}
#endif

}  // namespace

ErrorCode SystemErrorCode(const std::error_code& error) {
#ifdef _WIN32
  if (error.category() == std::system_category()) {
    return WindowsCode(error.value());
  }
#endif
  return ErrnoCode(error.value());
}

std::string SystemReason(int error_number) {
  return SystemReason(std::error_code(error_number, std::generic_category()));
}

std::string SystemReason(const std::error_code& error) {
#ifdef _WIN32
  // The C library's texts for errno are plain ASCII.
  if (error.category() == std::system_category()) {
    return WindowsReason(error.value());
  }
  return error.message();
#else
  return FromLocale(error.message());
#endif
}

}  // namespace vpa
