// Trimming as the program reads text: the space character only, so tabs and
// every other byte stay.
#ifndef VPA_BASE_TEXT_H_
#define VPA_BASE_TEXT_H_

#include <string_view>

namespace vpa {

inline std::string_view TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace vpa

#endif  // VPA_BASE_TEXT_H_
