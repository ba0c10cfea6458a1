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
#include "macro/template_pass.h"
#include "staging/row_command.h"

namespace vpa {
namespace {

const std::string& ShippedTemplate(std::string_view name) {
  static std::map<std::string, std::string, std::less<>> read;
  auto found = read.find(name);
  if (found != read.end()) return found->second;
  std::ifstream file(std::string(VPA_SOURCE_DATA) + "/PythonFiles/" +
                         std::string(name),
                     std::ios::binary);
  EXPECT_TRUE(file) << name;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return read[std::string(name)] = bytes.str();
}

std::string Macro(const RowCommand& command) {
  std::string macro;
  for (const Pass& pass : command.passes) {
    macro += TemplatePass(ShippedTemplate(pass.template_file),
                          command.staging, pass.zzv1, pass.fsv01);
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
      Result<RowCommand> command = PlanPassedRow(row, end);
      ASSERT_TRUE(command.ok()) << command.error();
      const std::string stray = Stray(Macro(command.value()));
      if (stray.empty() || strays++ > 0) continue;
      first = stray + " in " + row.section + ", " + std::string(end) +
              ", pair " + row.pair + ", " + row.leg;
    }
  }
  EXPECT_EQ(strays, 0) << "first: " << first;
}

}  // namespace
}  // namespace vpa
