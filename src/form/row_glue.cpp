// Items come from the same fixed lists the layout gives the windows, so a
// position means the same item in the window, the store and here.
#include "form/row_glue.h"

#include <span>
#include <string_view>

#include "catalogue/angle_catalogue.h"

namespace vpa {
namespace {

std::string ItemAt(std::span<const std::string_view> items, int index) {
  if (index < 0 || index >= int(items.size())) return {};
  return std::string(items[index]);
}

}  // namespace

RowEntries EntriesOf(const RowState& row) {
  return {row.h,
          row.v1,
          row.v2,
          ItemAt(kAngleCatalogue, row.section),
          row.l,
          ItemAt(kLegChoices, row.leg),
          ItemAt(kPairChoices, row.pair)};
}

std::string EndChoiceAt(int index) { return ItemAt(kEndChoices, index); }

}  // namespace vpa
