// Type-ahead in a select-only list: the typed text, blanks included, finds
// the first item that begins with it.
#ifndef VPA_FORM_LIST_SEARCH_H_
#define VPA_FORM_LIST_SEARCH_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vpa {

// The pause, in milliseconds, after which typing starts a new search; the
// toolkits' usual keyboard input interval.
constexpr int kTypeAheadIntervalMs = 400;

// The position of the first item that begins with `typed`, letters in
// either case; -1 when none does or `typed` is empty.
int FindItemByPrefix(const std::vector<std::string>& items,
                     std::string_view typed);

// What was typed into one closed list, and when. Each window keeps one and
// hands it every printable character typed into a list.
class TypeAhead {
 public:
  // The outcome of one typed character.
  struct Step {
    bool used = false;  // false: the key keeps its usual meaning
    int found = -1;     // the item to select, -1 for none
  };

  // `typed` is the character in Windows-1252, typed at `now_ms` on any
  // steady clock; `interval_ms` is the pause that starts a new search.
  // A blank that starts nothing is not used (it opens the list). The
  // typed text grows while it finds an item; otherwise the character
  // starts the text anew.
  Step Type(const std::vector<std::string>& items, char typed, int64_t now_ms,
            int interval_ms = kTypeAheadIntervalMs);

  // Forgets the typed text (the choice was cleared).
  void Clear() { typed_.clear(); }

 private:
  std::string typed_;
  int64_t typed_at_ms_ = 0;
};

}  // namespace vpa

#endif  // VPA_FORM_LIST_SEARCH_H_
