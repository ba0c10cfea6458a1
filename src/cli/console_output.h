// vpa-macro's output on Windows: Unicode to a console, the console's code
// page to a file or pipe.
#ifndef VPA_CLI_CONSOLE_OUTPUT_H_
#define VPA_CLI_CONSOLE_OUTPUT_H_

#include <optional>
#include <string>
#include <string_view>

namespace vpa {

std::string Utf8FromWide(std::wstring_view text);

// One standard handle (STD_OUTPUT_HANDLE or STD_ERROR_HANDLE). A console
// is written in UTF-16 and shows every character; a redirected output gets
// the console's output code page (the OEM code page without a console), as
// a batch file's for /f reads it.
class ConsoleOutput {
 public:
  explicit ConsoleOutput(unsigned long which);

  // Nothing when the UTF-8 `text` can be written as it is; otherwise what
  // stands in the way ("the console's code page 850").
  std::optional<std::string> CannotCarry(const std::string& text) const;

  // Writes the UTF-8 `text`; false when the output takes it not. Lines end
  // in CR LF when redirected, as the C library's text mode wrote them.
  bool Write(const std::string& text) const;

 private:
  void* handle_;
  bool console_;
  unsigned code_page_;
};

}  // namespace vpa

#endif  // VPA_CLI_CONSOLE_OUTPUT_H_
