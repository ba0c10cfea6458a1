// The refusal rules of a row, shared by both windows and the command line.
#include "staging/row_refusal.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "catalogue/angle_catalogue.h"
#include "units/decimal_text.h"
#include "units/dimension.h"
#include "units/dimension_form.h"

namespace vpa {
namespace {

constexpr std::string_view kCannotRead = "cannot read ";

bool IsEndChoice(std::string_view end) {
  return std::find(kEndChoices.begin(), kEndChoices.end(), end) !=
         kEndChoices.end();
}

void RefuseDimension(RowField field, std::string_view entry,
                     std::vector<FieldRefusal>& refusals) {
  std::optional<FieldRefusal> refusal = DimensionRefusal(field, entry);
  if (refusal) refusals.push_back(*refusal);
}

void RefuseBlank(RowField field, std::string_view choice, const char* reason,
                 std::vector<FieldRefusal>& refusals) {
  if (choice.empty()) refusals.push_back({field, reason});
}

bool WithinBuilding(double inches) { return std::fabs(inches) <= kMaxInches; }

// V + L is where the angle's lower end lies; each may be within bounds and
// the sum not.
void RefuseSum(RowField field, std::string_view v, std::string_view l,
               std::vector<FieldRefusal>& refusals) {
  if (DimensionRefusal(field, v) || DimensionRefusal(RowField::kL, l)) return;
  double sum =
      AsNumber(ParseDimension(v).value()) + AsNumber(ParseDimension(l).value());
  if (WithinBuilding(sum)) return;
  std::string name(FieldCaption(field));
  refusals.push_back({field, name + " + L is " + DecimalText(sum) +
                                 " in; it must lie within 1,000,000 in of 0"});
}

}  // namespace

std::string_view FieldCaption(RowField field) {
  static constexpr std::string_view kCaptions[] = {
      "H", "V1", "V2", "MATERIAL", "L", "OSL", "Pairs", "ADD ANGLES TO"};
  return kCaptions[static_cast<int>(field)];
}

std::optional<std::string> HalfReading(std::string_view entry) {
  std::optional<std::string_view> unread = UnreadPart(entry);
  Result<DimensionValue> value = ParseDimension(entry);
  if (!unread || !value.ok() ||
      value.value().kind == DimensionValue::Kind::kNothing) {
    return std::nullopt;
  }
  // What is wrong first, then what it would have been read as: the other
  // way round it reads as if the entry were taken.
  std::string reading = ShowEntry(*unread) + " is not part of a dimension; " +
                        ShowEntry(entry) + " would be read as " +
                        AsText(value.value()) + " in";
  std::string hint = FormHint(entry);
  return hint.empty() ? reading : reading + " (" + hint + ")";
}

std::optional<std::string> ReadingRefusal(std::string_view entry) {
  Result<DimensionValue> value = ParseDimension(entry);
  std::string cannot_read = std::string(kCannotRead) + QuoteEntry(entry);
  if (!value.ok()) return cannot_read + " (" + value.error() + ")";
  if (value.value().kind == DimensionValue::Kind::kNothing) return cannot_read;
  return std::nullopt;
}

std::optional<FieldRefusal> DimensionRefusal(RowField field,
                                             std::string_view entry) {
  if (std::optional<std::string> reason = ReadingRefusal(entry)) {
    return FieldRefusal{field, *reason, true};
  }
  if (std::optional<std::string> half = HalfReading(entry)) {
    return FieldRefusal{field, *half, true};
  }
  double inches = AsNumber(ParseDimension(entry).value());
  if (!WithinBuilding(inches)) {
    return FieldRefusal{field, QuoteEntry(entry) +
                                   " is too large; a dimension must lie "
                                   "within 1,000,000 in of 0"};
  }
  if (field == RowField::kL && !(inches > 0)) {
    return FieldRefusal{field, "an angle's length must be more than 0"};
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
  RefuseSum(RowField::kV1, entries.v1, entries.l, refusals);
  RefuseSum(RowField::kV2, entries.v2, entries.l, refusals);
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
    unreadable |= refusal.unreadable;
  }
  if (unreadable) message += "\n" + std::string(kAcceptedForms);
  return message;
}

}  // namespace vpa
