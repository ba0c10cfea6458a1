// The angle catalogue: count, known positions, and the numeric order that
// stored positions depend on.
#include "catalogue/angle_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "units/dimension.h"

namespace vpa {
namespace {

TEST(AngleCatalogue, KnownPositions) {
  struct Case {
    int index;
    const char* name;
  } cases[] = {{0, "L1x1x1/8"},         {12, "L2x2x3/8"},
               {13, "L2 1/2x2x3/16"},   {38, "L3 1/2x2 1/2x1/4"},
               {55, "L4x3x5/8"},        {106, "L7x4x7/16"},
               {130, "L8x8x1 1/8"}};
  for (const Case& c : cases) EXPECT_EQ(kAngleCatalogue[c.index], c.name);
}

// Long leg, short leg and thickness of a name such as "L3 1/2x2x1/4".
std::tuple<double, double, double> Sizes(std::string_view name) {
  name.remove_prefix(1);
  size_t first = name.find('x');
  size_t second = name.find('x', first + 1);
  return {ParseInches(name.substr(0, first)),
          ParseInches(name.substr(first + 1, second - first - 1)),
          ParseInches(name.substr(second + 1))};
}

TEST(AngleCatalogue, SortedByLegsThenThicknessWithoutRepeats) {
  std::set<std::string_view> names(kAngleCatalogue.begin(),
                                   kAngleCatalogue.end());
  EXPECT_EQ(names.size(), 131u);
  for (size_t i = 1; i < kAngleCatalogue.size(); ++i) {
    EXPECT_LT(Sizes(kAngleCatalogue[i - 1]), Sizes(kAngleCatalogue[i]))
        << kAngleCatalogue[i];
    auto sizes = Sizes(kAngleCatalogue[i]);
    EXPECT_GE(std::get<0>(sizes), std::get<1>(sizes)) << kAngleCatalogue[i];
  }
}

}  // namespace
}  // namespace vpa
