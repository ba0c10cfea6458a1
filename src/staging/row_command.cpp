// Row staging refuses what the host could not run (see row_refusal.h); a row
// that passes is staged field by field and planned.
#include "staging/row_command.h"

#include "staging/row_refusal.h"
#include "units/dimension.h"

namespace vpa {
namespace {

// The staged text of an entry that has passed the refusal rules.
std::string Staged(std::string_view entry) {
  return AsText(ParseDimension(entry).value());
}

Staging StagePassedRow(const RowEntries& entries) {
  return Staging{Staged(entries.h), Staged(entries.v1), Staged(entries.v2),
                 entries.section,   Staged(entries.l),  entries.leg};
}

}  // namespace

Result<std::string> StageDimension(std::string_view entry) {
  std::optional<std::string> refusal = ReadingRefusal(entry);
  if (refusal) return Error{*refusal + ". " + std::string(kAcceptedForms)};
  return Staged(entry);
}

bool IsSingle(std::string_view pair) {
  return pair.find('1') != std::string_view::npos;
}

Result<RowCommand> PlanPassedRow(const RowEntries& entries,
                                 std::string_view end) {
  Staging staging = StagePassedRow(entries);
  Result<std::vector<Pass>> passes = IsSingle(entries.pair)
                                         ? SinglePasses(staging, end)
                                         : PairPasses(staging, end);
  if (!passes.ok()) return passes.failure();
  return RowCommand{staging, passes.value()};
}

}  // namespace vpa
