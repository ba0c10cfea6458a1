// The refusal rules of a row, shared by both windows and the command line.
// Each entry is read here once; its staged text and the number the writers
// take are made from that one reading.
#include "staging/row_check.h"

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

bool WithinBuilding(double inches) { return std::fabs(inches) <= kMaxInches; }

// What the reader would make of an entry that is not wholly one dimension
// form, in the detailer's words: "'6" is not part of a dimension; 1'6"
// would be read as 1 in (write feet and inches as 1-6)". Nothing for an
// entry that is one form.
std::optional<std::string> HalfReading(std::string_view entry,
                                       const std::string& staged) {
  std::optional<std::string_view> unread = UnreadPart(entry);
  if (!unread) return std::nullopt;
  // What is wrong first, then what it would have been read as: the other
  // way round it reads as if the entry were taken.
  std::string reading = ShowEntry(*unread) + " is not part of a dimension; " +
                        ShowEntry(entry) + " would be read as " + staged +
                        " in";
  std::string hint = FormHint(entry);
  return hint.empty() ? reading : reading + " (" + hint + ")";
}

// An entry read once: its check, and the number the entry itself counts as,
// which the bounds are held against.
struct EntryReading {
  DimensionCheck check;
  double counted = 0;
};

std::optional<FieldRefusal> ReadableRefusal(RowField field,
                                            std::string_view entry,
                                            const std::string& staged,
                                            double counted) {
  if (std::optional<std::string> half = HalfReading(entry, staged)) {
    return FieldRefusal{field, *half, true};
  }
  if (!WithinBuilding(counted)) {
    return FieldRefusal{field, QuoteEntry(entry) +
                                   " is too large; a dimension must lie "
                                   "within 1,000,000 in of 0"};
  }
  if (field == RowField::kL && !(counted > 0)) {
    return FieldRefusal{field, "an angle's length must be more than 0"};
  }
  return std::nullopt;
}

EntryReading ReadEntry(RowField field, std::string_view entry) {
  EntryReading reading;
  Result<DimensionValue> value = ParseDimension(entry);
  const std::string cannot_read = std::string(kCannotRead) + QuoteEntry(entry);
  if (!value.ok()) {
    reading.check.refusal =
        FieldRefusal{field, cannot_read + " (" + value.error() + ")", true};
    return reading;
  }
  if (value.value().kind == DimensionValue::Kind::kNothing) {
    reading.check.refusal = FieldRefusal{field, cannot_read, true};
    return reading;
  }
  const std::string staged = AsText(value.value());
  // A staged text is a decimal text or an entry passed through as a number;
  // the reader reads either back by its leading reading.
  reading.check.dimension =
      CheckedDimension{std::string(entry), staged, LeadingReading(staged)};
  reading.counted = AsNumber(value.value());
  reading.check.refusal =
      ReadableRefusal(field, entry, staged, reading.counted);
  return reading;
}

std::optional<EndChoice> EndOf(std::string_view end) {
  if (end == kRightEnd) return EndChoice::kRight;
  if (end == kLeftEnd) return EndChoice::kLeft;
  if (end == kBothEnds) return EndChoice::kBoth;
  return std::nullopt;
}

// Refusals are collected in the row's order.
class Refusals {
 public:
  explicit Refusals(std::vector<FieldRefusal>& list) : list_(list) {}

  EntryReading Dimension(RowField field, const RowEntries& entries) {
    EntryReading reading = ReadEntry(field, entries[field]);
    Add(reading.check.refusal);
    return reading;
  }

  void Blank(RowField field, const RowEntries& entries, const char* reason) {
    if (entries[field].empty()) list_.push_back({field, reason});
  }

  // V + L is where the angle's lower end lies; each may be within bounds
  // and the sum not.
  void Sum(RowField field, const EntryReading& v, const EntryReading& l) {
    if (v.check.refusal || l.check.refusal) return;
    const double sum = v.counted + l.counted;
    if (WithinBuilding(sum)) return;
    list_.push_back({field, std::string(FieldCaption(field)) + " + L is " +
                                DecimalText(sum) +
                                " in; it must lie within 1,000,000 in of 0"});
  }

  void Add(const std::optional<FieldRefusal>& refusal) {
    if (refusal) list_.push_back(*refusal);
  }

 private:
  std::vector<FieldRefusal>& list_;
};

}  // namespace

DimensionCheck CheckDimension(RowField field, std::string_view entry) {
  return ReadEntry(field, entry).check;
}

RowCheck CheckRow(const RowEntries& entries, std::string_view end) {
  RowCheck check;
  Refusals refuse(check.refusals);
  const EntryReading h = refuse.Dimension(RowField::kH, entries);
  const EntryReading v1 = refuse.Dimension(RowField::kV1, entries);
  const EntryReading v2 = refuse.Dimension(RowField::kV2, entries);
  refuse.Blank(RowField::kSection, entries, "choose the angle section");
  const EntryReading l = refuse.Dimension(RowField::kL, entries);
  refuse.Blank(RowField::kLeg, entries,
               "choose the outstanding leg, Short or Long");
  refuse.Blank(RowField::kPair, entries,
               "choose 1 (one angle at each end) or 2 (a pair)");
  refuse.Sum(RowField::kV1, v1, l);
  refuse.Sum(RowField::kV2, v2, l);
  const std::optional<EndChoice> end_choice = EndOf(end);
  if (!end_choice) {
    check.refusals.push_back(
        {RowField::kEnd, "choose Right End, Left End or BOTH Ends"});
  }
  if (!check.refusals.empty()) return check;
  // Pair "1" places one angle at each end; the test is for a "1" anywhere.
  const bool single = entries[RowField::kPair].find('1') != std::string::npos;
  check.row = CheckedRow{*h.check.dimension,
                         *v1.check.dimension,
                         *v2.check.dimension,
                         *l.check.dimension,
                         entries[RowField::kSection],
                         entries[RowField::kLeg],
                         single,
                         *end_choice};
  return check;
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
