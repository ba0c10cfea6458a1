// A character that the code page lacks must not be replaced by a look-alike
// (best fit) or by '?': the printed path would name another folder.
#include "cli/console_output.h"

#include <windows.h>

namespace vpa {
namespace {

std::wstring WideFromUtf8(std::string_view text) {
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()),
                                 nullptr, 0);
  std::wstring wide(size > 0 ? size : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(),
                      int(wide.size()));
  return wide;
}

// Code pages that take no flags and report no missing character.
bool TakesNoFlags(UINT code_page) {
  return code_page == CP_UTF8 || code_page == CP_UTF7 || code_page == 42 ||
         code_page == 54936 || (code_page >= 50220 && code_page <= 50229) ||
         (code_page >= 57002 && code_page <= 57011);
}

// `wide` in `code_page`; false when a character has no bytes there.
bool Encode(UINT code_page, const std::wstring& wide, std::string& bytes) {
  bytes.clear();
  if (wide.empty()) return true;
  const bool plain = TakesNoFlags(code_page);
  const DWORD flags = plain ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL missing = FALSE;
  int size =
      WideCharToMultiByte(code_page, flags, wide.data(), int(wide.size()),
                          nullptr, 0, nullptr, plain ? nullptr : &missing);
  if (size <= 0) return false;
  bytes.resize(size);
  WideCharToMultiByte(code_page, flags, wide.data(), int(wide.size()),
                      bytes.data(), size, nullptr, plain ? nullptr : &missing);
  return !missing;
}

}  // namespace

std::string Utf8FromWide(std::wstring_view text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()),
                                 nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? size : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(),
                      int(utf8.size()), nullptr, nullptr);
  return utf8;
}

ConsoleOutput::ConsoleOutput(unsigned long which)
    : handle_(GetStdHandle(which)), code_page_(GetConsoleOutputCP()) {
  DWORD mode;
  console_ = GetConsoleMode(handle_, &mode) != 0;
  if (code_page_ == 0) code_page_ = GetOEMCP();
}

std::optional<std::string> ConsoleOutput::CannotCarry(
    const std::string& text) const {
  std::string bytes;
  if (console_ || Encode(code_page_, WideFromUtf8(text), bytes)) {
    return std::nullopt;
  }
  return "the console's code page " + std::to_string(code_page_);
}

bool ConsoleOutput::Write(const std::string& text) const {
  if (text.empty()) return true;
  std::wstring wide = WideFromUtf8(text);
  DWORD done = 0;
  if (console_) {
    return WriteConsoleW(handle_, wide.data(), DWORD(wide.size()), &done,
                         nullptr) != 0;
  }
  std::wstring lines;
  for (wchar_t c : wide) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  // A message's character that the code page lacks shows as its default.
  std::string bytes;
  Encode(code_page_, lines, bytes);
  return WriteFile(handle_, bytes.data(), DWORD(bytes.size()), &done,
                   nullptr) != 0 &&
         done == bytes.size();
}

}  // namespace vpa
