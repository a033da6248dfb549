#include "outputs/netcdf/netcdf_names.hpp"

#include <gtest/gtest.h>

namespace pelcon::outputs {
namespace {

TEST(NetcdfNames, LowerCaseWordsGivenOnce) {
  NetcdfNames names;
  EXPECT_EQ(names.Unique("Level/Depth (ft)"), "level_depth_ft");
  EXPECT_EQ(names.Unique("level depth ft"), "level_depth_ft_2");
  EXPECT_EQ(names.Unique("3 points"), "v_3_points");
  EXPECT_EQ(names.Unique("  "), "field");
}

}  // namespace
}  // namespace pelcon::outputs
