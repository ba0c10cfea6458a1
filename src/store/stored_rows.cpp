// Stored lists hold positions, so they are turned back into item texts
// through the same fixed lists the window fills.
#include "store/stored_rows.h"

#include "catalogue/angle_catalogue.h"
#include "store/field_store.h"

namespace vpa {
namespace {

template <size_t N>
std::string StoredItem(const ProgramFolder& folder, const std::string& name,
                       const std::array<std::string_view, N>& items) {
  int index = StoredIndex(LoadField(folder, name), static_cast<int>(N));
  return index < 0 ? std::string() : std::string(items[index]);
}

}  // namespace

RowEntries LoadStoredRow(const ProgramFolder& folder, int row) {
  std::string n = std::to_string(row);
  return {LoadField(folder, "H" + n),
          LoadField(folder, "V" + n),
          LoadField(folder, "W" + n),
          StoredItem(folder, "MAT" + n, kAngleCatalogue),
          LoadField(folder, "L" + n),
          StoredItem(folder, "OSL" + n, kLegChoices),
          StoredItem(folder, "Pair" + n, kPairChoices)};
}

std::string LoadStoredEnd(const ProgramFolder& folder) {
  return StoredItem(folder, "BS", kEndChoices);
}

}  // namespace vpa
