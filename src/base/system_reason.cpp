// The C library gives its reasons in the character set of the locale (which
// the Qt window sets from the environment): Latin-1 text would show as
// broken characters in a window that reads UTF-8. They are converted here,
// once, where messages are built.
#include "base/system_reason.h"

#include <cstring>

#ifndef _WIN32
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
// The messages of Windows' C library are plain ASCII.
std::string FromLocale(const std::string& text) { return text; }
#endif

}  // namespace

std::string SystemReason(int error_number) {
  return SystemReason(std::error_code(error_number, std::generic_category()));
}

std::string SystemReason(const std::error_code& error) {
  return FromLocale(error.message());
}

}  // namespace vpa
