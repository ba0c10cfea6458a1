#include <gtest/gtest.h>
#include "units/dimension.h"
TEST(Smoke, Reads) { EXPECT_EQ(vpa::AsText(vpa::ParseDimension("1-0 1/2").value()), "12.5"); }
