// The row command without its window: a row's entries are staged and
// planned into the template passes its Pair and end choices name.
#ifndef VPA_STAGING_ROW_COMMAND_H_
#define VPA_STAGING_ROW_COMMAND_H_

#include <string>
#include <string_view>

#include "base/result.h"
#include "macro/macro_writers.h"
#include "macro/template_pass.h"

namespace vpa {

// What one row holds, as the detailer typed and chose it. Lists with nothing
// selected give the empty text.
struct RowEntries {
  std::string h;
  std::string v1;
  std::string v2;
  std::string section;
  std::string l;
  std::string leg;
  std::string pair;
};

// The forms a dimension entry may take, as a refusal tells them.
inline constexpr std::string_view kAcceptedForms =
    "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet and "
    "inches).";

// The text one dimension entry is staged as, or why the reader cannot read
// it. An entry read only in part stages as what was read (see HalfReading).
Result<std::string> StageDimension(std::string_view entry);

// True when the Pair text asks for one angle at each end (it holds a "1").
bool IsSingle(std::string_view pair);

// A row command made ready: the staged row and the template passes its Pair
// and end choices ask for.
struct RowCommand {
  Staging staging;
  std::vector<Pass> passes;
};

// Stages a row that RowRefusals (with the end choice) has passed, in the
// order H, V1, V2, section, L, leg, without checking it again, and plans
// its passes. Touches no file.
Result<RowCommand> PlanPassedRow(const RowEntries& entries,
                                 std::string_view end);

}  // namespace vpa

#endif  // VPA_STAGING_ROW_COMMAND_H_
