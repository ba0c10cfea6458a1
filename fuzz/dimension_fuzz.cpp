// Reads and stages one arbitrary entry. Whatever the bytes, staging gives a
// decimal text, the entry itself, or a refusal; what it gives stages again
// as itself, and its number is the one it reads back as.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "staging/row_check.h"
#include "units/dimension.h"

namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "-"? whole digits (no leading zero but a lone "0") and an optional
// fraction without trailing zero; at most 15 significant digits; "0" alone
// for zero.
bool IsDecimalText(std::string_view text) {
  if (text == "0") return true;
  std::string_view number = text;
  if (!number.empty() && number.front() == '-') number.remove_prefix(1);
  size_t point = number.find('.');
  std::string_view whole = number.substr(0, point);
  if (!IsDigits(whole) || (whole.size() > 1 && whole.front() == '0')) {
    return false;
  }
  std::string digits(whole);
  if (point != std::string_view::npos) {
    std::string_view fraction = number.substr(point + 1);
    if (!IsDigits(fraction) || fraction.back() == '0') return false;
    digits += fraction;
  }
  size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return false;  // a zero other than "0"
  std::string significant = digits.substr(first);
  significant.erase(significant.find_last_not_of('0') + 1);
  return significant.size() <= 15;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view entry(reinterpret_cast<const char*>(data), size);
  const std::optional<vpa::CheckedDimension> staged =
      vpa::CheckDimension(vpa::RowField::kH, entry).dimension;
  if (!staged) return 0;
  if (staged->staged != entry && !IsDecimalText(staged->staged)) std::abort();
  // The writers take staged values: a staged text must stage as itself, and
  // its number be the one the reader reads it back as. Past 300 digits the
  // range of a double ends first.
  if (staged->staged.size() <= 300) {
    const std::optional<vpa::CheckedDimension> again =
        vpa::CheckDimension(vpa::RowField::kH, staged->staged).dimension;
    if (!again || again->staged != staged->staged) std::abort();
    vpa::Result<vpa::DimensionValue> read = vpa::ParseDimension(staged->staged);
    if (!read.ok() || vpa::AsNumber(read.value()) != staged->inches) {
      std::abort();
    }
  }
  return 0;
}
