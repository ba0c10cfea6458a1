#include "form/list_search.h"

#include <cctype>

namespace vpa {
namespace {

bool BeginsWith(std::string_view item, std::string_view typed) {
  if (item.size() < typed.size()) return false;
  for (size_t i = 0; i < typed.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(item[i])) !=
        std::tolower(static_cast<unsigned char>(typed[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

int FindItemByPrefix(const std::vector<std::string>& items,
                     std::string_view typed) {
  if (typed.empty()) return -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (BeginsWith(items[i], typed)) return static_cast<int>(i);
  }
  return -1;
}

TypeAhead::Step TypeAhead::Type(const std::vector<std::string>& items,
                                char typed, int64_t now_ms, int interval_ms) {
  if (now_ms - typed_at_ms_ > interval_ms || now_ms < typed_at_ms_) {
    typed_.clear();
  }
  if (typed == ' ' && typed_.empty()) return {};
  typed_at_ms_ = now_ms;
  int found = FindItemByPrefix(items, typed_ + typed);
  if (found >= 0) {
    typed_ += typed;
  } else {
    typed_ = std::string(1, typed);
    found = FindItemByPrefix(items, typed_);
  }
  return {true, found};
}

}  // namespace vpa
