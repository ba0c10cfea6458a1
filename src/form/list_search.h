// Type-ahead in a select-only list: the typed text, blanks included, finds
// the first item that begins with it.
#ifndef VPA_FORM_LIST_SEARCH_H_
#define VPA_FORM_LIST_SEARCH_H_

#include <string>
#include <string_view>
#include <vector>

namespace vpa {

// The position of the first item that begins with `typed`, letters in
// either case; -1 when none does or `typed` is empty.
int FindItemByPrefix(const std::vector<std::string>& items,
                     std::string_view typed);

}  // namespace vpa

#endif  // VPA_FORM_LIST_SEARCH_H_
