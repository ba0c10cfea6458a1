// The refusal rules of a row, shared by both windows and the command line.
#include "staging/row_refusal.h"

#include <algorithm>

#include "base/text.h"
#include "catalogue/angle_catalogue.h"
#include "units/dimension.h"

namespace vpa {
namespace {

constexpr std::string_view kCannotRead = "cannot read ";

bool IsEndChoice(std::string_view end) {
  return std::find(kEndChoices.begin(), kEndChoices.end(), end) !=
         kEndChoices.end();
}

void RefuseDimension(RowField field, std::string_view entry,
                     std::vector<FieldRefusal>& refusals) {
  std::optional<std::string> reason = DimensionRefusal(field, entry);
  if (reason) refusals.push_back({field, *reason});
}

void RefuseBlank(RowField field, std::string_view choice, const char* reason,
                 std::vector<FieldRefusal>& refusals) {
  if (choice.empty()) refusals.push_back({field, reason});
}

}  // namespace

std::string_view FieldCaption(RowField field) {
  static constexpr std::string_view kCaptions[] = {
      "H", "V1", "V2", "MATERIAL", "L", "OSL", "Pairs", "ADD ANGLES TO"};
  return kCaptions[static_cast<int>(field)];
}

std::optional<std::string> DimensionRefusal(RowField field,
                                            std::string_view entry) {
  Result<DimensionValue> value = ParseDimension(entry);
  std::string quoted = QuoteEntry(entry);
  if (!value.ok()) {
    return std::string(kCannotRead) + quoted + " (" + value.error() + ")";
  }
  if (value.value().kind == DimensionValue::Kind::kNothing) {
    return std::string(kCannotRead) + quoted;
  }
  if (field == RowField::kL && !(AsNumber(value.value()) > 0)) {
    return std::string("an angle's length must be more than 0");
  }
  return std::nullopt;
}

std::vector<FieldRefusal> RowRefusals(const RowEntries& entries) {
  std::vector<FieldRefusal> refusals;
  RefuseDimension(RowField::kH, entries.h, refusals);
  RefuseDimension(RowField::kV1, entries.v1, refusals);
  RefuseDimension(RowField::kV2, entries.v2, refusals);
  RefuseBlank(RowField::kSection, entries.section, "choose the angle section",
              refusals);
  RefuseDimension(RowField::kL, entries.l, refusals);
  RefuseBlank(RowField::kLeg, entries.leg,
              "choose the outstanding leg, Short or Long", refusals);
  RefuseBlank(RowField::kPair, entries.pair,
              "choose 1 (one angle at each end) or 2 (a pair)", refusals);
  return refusals;
}

std::vector<FieldRefusal> RowRefusals(const RowEntries& entries,
                                      std::string_view end) {
  std::vector<FieldRefusal> refusals = RowRefusals(entries);
  if (!IsEndChoice(end)) {
    refusals.push_back(
        {RowField::kEnd, "choose Right End, Left End or BOTH Ends"});
  }
  return refusals;
}

std::string RefusalMessage(int row, const std::vector<FieldRefusal>& refusals) {
  std::string message =
      row >= 1 && row <= 5
          ? "No macro was written for row " + std::to_string(row) + ":"
          : std::string("No macro was written for the row:");
  bool unreadable = false;
  for (const FieldRefusal& refusal : refusals) {
    message += "\n" + std::string(FieldCaption(refusal.field)) + ": " +
               refusal.reason + ".";
    unreadable |= refusal.reason.rfind(kCannotRead, 0) == 0;
  }
  if (unreadable) message += "\n" + std::string(kAcceptedForms);
  return message;
}

}  // namespace vpa
