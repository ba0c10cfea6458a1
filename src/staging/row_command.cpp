// Row staging refuses what the host could not run: an entry the reader
// cannot read, or reads as nothing, and a row without a section.
#include "staging/row_command.h"

#include "base/text.h"
#include "units/dimension.h"

namespace vpa {
namespace {

constexpr std::string_view kAcceptedForms =
    "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet and "
    "inches).";

std::string RowPrefix(int row, std::string_view field) {
  std::string prefix = row >= 1 && row <= 5
                           ? "Row " + std::to_string(row) + ", "
                           : std::string();
  return prefix + std::string(field) + ": ";
}

// Stages one dimension into `staged`; an error names the row and field.
bool StageField(int row, std::string_view field, std::string_view entry,
                std::string& staged, Error& error) {
  Result<std::string> text = StageDimension(entry);
  if (!text.ok()) {
    error.message = RowPrefix(row, field) + text.error();
    return false;
  }
  staged = text.value();
  return true;
}

}  // namespace

Result<std::string> StageDimension(std::string_view entry) {
  Result<DimensionValue> value = ParseDimension(entry);
  std::string quoted = QuoteEntry(entry);
  if (!value.ok()) {
    return Error{"cannot read " + quoted + " (" + value.error() + "). " +
                 std::string(kAcceptedForms)};
  }
  if (value.value().kind == DimensionValue::Kind::kNothing) {
    return Error{"cannot read " + quoted + ". " + std::string(kAcceptedForms)};
  }
  return AsText(value.value());
}

Result<Staging> StageRow(int row, const RowEntries& entries) {
  Staging staging;
  Error error;
  if (!StageField(row, "H", entries.h, staging.HFin, error) ||
      !StageField(row, "V1", entries.v1, staging.V1Fin, error) ||
      !StageField(row, "V2", entries.v2, staging.V2Fin, error)) {
    return error;
  }
  if (entries.section.empty()) {
    return Error{RowPrefix(row, "MATERIAL") +
                 "choose the angle section; no macro was written."};
  }
  staging.MatFin = entries.section;
  if (!StageField(row, "L", entries.l, staging.LFin, error)) return error;
  staging.OSLFin = entries.leg;
  return staging;
}

bool IsSingle(std::string_view pair) {
  return pair.find('1') != std::string_view::npos;
}

Result<RowCommand> PlanRowCommand(int row, const RowEntries& entries,
                                  std::string_view end) {
  Result<Staging> staging = StageRow(row, entries);
  if (!staging.ok()) return Error{staging.error()};
  Result<std::vector<Pass>> passes =
      IsSingle(entries.pair) ? SinglePasses(staging.value(), end)
                             : PairPasses(staging.value(), end);
  if (!passes.ok()) return Error{passes.error()};
  return RowCommand{staging.value(), passes.value()};
}

Status RunRowCommand(const ProgramFolder& folder, int row,
                     const RowEntries& entries, std::string_view end) {
  Result<RowCommand> command = PlanRowCommand(row, entries, end);
  if (!command.ok()) return Error{command.error()};
  return WriteMacro(folder, command.value().staging, command.value().passes);
}

}  // namespace vpa
