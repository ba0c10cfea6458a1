// One entry row as the detailer typed and chose it, field by field.
#ifndef VPA_STAGING_ROW_ENTRIES_H_
#define VPA_STAGING_ROW_ENTRIES_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vpa {

// The fields of a row in their order, then the end choice common to all.
enum class RowField { kH, kV1, kV2, kSection, kL, kLeg, kPair, kEnd };

// A row's own fields: kH to kPair.
inline constexpr size_t kRowFieldCount = 7;

// The caption the window shows over the field ("H", "MATERIAL", "Pairs").
constexpr std::string_view FieldCaption(RowField field) {
  constexpr std::string_view kCaptions[] = {
      "H", "V1", "V2", "MATERIAL", "L", "OSL", "Pairs", "ADD ANGLES TO"};
  return kCaptions[static_cast<size_t>(field)];
}

// A row's texts by field: the dimensions as typed, the lists' items as
// chosen (the empty text when nothing is chosen).
struct RowEntries {
  std::array<std::string, kRowFieldCount> texts;

  std::string& operator[](RowField field) {
    return texts[static_cast<size_t>(field)];
  }
  const std::string& operator[](RowField field) const {
    return texts[static_cast<size_t>(field)];
  }

  friend bool operator==(const RowEntries&, const RowEntries&) = default;
};

}  // namespace vpa

#endif  // VPA_STAGING_ROW_ENTRIES_H_
