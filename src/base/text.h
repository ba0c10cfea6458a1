// Trimming as the program reads text (the space character only, so tabs and
// every other byte stay), and entries quoted in one-line messages.
#ifndef VPA_BASE_TEXT_H_
#define VPA_BASE_TEXT_H_

#include <string>
#include <string_view>

namespace vpa {

inline std::string_view TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// `entry` for a message of one line: control bytes shown as \n, \t or \xNN,
// and an entry longer than 40 characters cut to its first 40 and "...".
// In an entry that is UTF-8 throughout, as a command line gives it, the
// bytes of a character above U+009F stay together as one character.
std::string ShowEntry(std::string_view entry);

// `text` with every byte that is not part of a well-formed UTF-8 character
// shown as \xNN, so that the result is UTF-8 whatever the bytes.
std::string EscapeNonUtf8(std::string_view text);

// ShowEntry's text in double quotes.
inline std::string QuoteEntry(std::string_view entry) {
  return "\"" + ShowEntry(entry) + "\"";
}

}  // namespace vpa

#endif  // VPA_BASE_TEXT_H_
