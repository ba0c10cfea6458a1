// A row that has passed every check, as everything after the check reads
// it: the macro writers, and whatever draws or reports the row. Each value
// is computed once, by the row check (row_check.h).
#ifndef VPA_STAGING_CHECKED_ROW_H_
#define VPA_STAGING_CHECKED_ROW_H_

#include <string>

namespace vpa {

// One dimension of a checked row.
struct CheckedDimension {
  std::string typed;   // the entry as typed: "1-0 1/2", "-6.50"
  std::string staged;  // its staged text: "12.5", or "-6.50" passed through
  double inches = 0;   // the staged text read back: 12.5, -6.5
};

// Which beam ends get the angles.
enum class EndChoice { kRight, kLeft, kBoth };

struct CheckedRow {
  CheckedDimension h;
  CheckedDimension v1;
  CheckedDimension v2;
  CheckedDimension l;
  std::string section;  // the angle section: "L4x4x1/2"
  std::string leg;      // the outstanding leg, "Short" or "Long"
  bool single = false;  // one angle at each chosen end; else a pair
  EndChoice end = EndChoice::kRight;
};

}  // namespace vpa

#endif  // VPA_STAGING_CHECKED_ROW_H_
