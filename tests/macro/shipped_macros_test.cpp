// Every macro the shipped templates can make, for every section, end, pair
// and leg: pure ASCII with no byte-order mark, since a Python 2.7 host
// refuses a byte over 127 in a source that declares no encoding and a
// Python 3 host refuses a byte-order mark.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/angle_catalogue.h"
#include "macro/macro_writers.h"
#include "staging/row_check.h"

namespace vpa {
namespace {

const std::string& ShippedTemplate(std::string_view name) {
  static std::map<std::string, std::string, std::less<>> read;
  auto found = read.find(name);
  if (found != read.end()) return found->second;
  std::ifstream file(
      std::string(VPA_SOURCE_DATA) + "/PythonFiles/" + std::string(name),
      std::ios::binary);
  EXPECT_TRUE(file) << name;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return read[std::string(name)] = bytes.str();
}

std::string Macro(const CheckedRow& row) {
  std::string macro;
  for (const Pass& pass : row.single ? SinglePasses(row) : PairPasses(row)) {
    macro += TemplatePass(ShippedTemplate(pass.template_file), StagingOf(row),
                          pass.zzv1, pass.fsv01);
  }
  return macro;
}

// What keeps the macro from being plain ASCII, or nothing.
std::string Stray(const std::string& macro) {
  if (size_t at = macro.find("\xEF\xBB\xBF"); at != std::string::npos) {
    return "a byte-order mark at " + std::to_string(at);
  }
  for (size_t at = 0; at < macro.size(); ++at) {
    const auto byte = static_cast<unsigned char>(macro[at]);
    if (byte > 127) {
      return "byte " + std::to_string(byte) + " at " + std::to_string(at);
    }
  }
  return {};
}

// Every row the window can run: each section, pair and leg, with the
// dimensions (H, V1, V2, L) in each form a row can stage.
std::vector<RowEntries> EveryRow() {
  const std::array<std::string, 4> dimensions[] = {
      {"1-0 1/2", "6", "9", "120"},
      {"-1.50", "-3/4", "", "1.5-6"},
      {"1-", "5 0/3", "-0-6", "2-6"},
  };
  std::vector<RowEntries> rows;
  for (std::string_view section : kAngleCatalogue) {
    for (const char* pair : {"1", "2"}) {
      for (const char* leg : {"Long", "Short"}) {
        for (const auto& [h, v1, v2, l] : dimensions) {
          rows.push_back({h, v1, v2, std::string(section), l, leg, pair});
        }
      }
    }
  }
  return rows;
}

TEST(ShippedMacros, AreAsciiWithoutByteOrderMark) {
  int strays = 0;
  std::string first;
  for (const RowEntries& row : EveryRow()) {
    for (std::string_view end : {kRightEnd, kLeftEnd, kBothEnds}) {
      const RowCheck check = CheckRow(row, end);
      ASSERT_TRUE(check.row) << RefusalMessage(0, check.refusals);
      const std::string stray = Stray(Macro(*check.row));
      if (stray.empty() || strays++ > 0) continue;
      first = stray + " in " + row[RowField::kSection] + ", " +
              std::string(end) + ", pair " + row[RowField::kPair] + ", " +
              row[RowField::kLeg];
    }
  }
  EXPECT_EQ(strays, 0) << "first: " << first;
}

}  // namespace
}  // namespace vpa
