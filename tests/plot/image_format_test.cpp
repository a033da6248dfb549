#include "plot/image_format.hpp"

#include <gtest/gtest.h>

namespace pelcon::plot {
namespace {

TEST(ImageFormat, TheFiltersExtensionIsAddedOnlyToANameWithoutAnImageExtension) {
  EXPECT_EQ(WithImageExtension("/tmp/chart", ImageFormat::kPng), "/tmp/chart.png");
  EXPECT_EQ(WithImageExtension("/tmp/chart.old", ImageFormat::kSvg), "/tmp/chart.old.svg");
  // A name that says its format keeps it, whichever filter was chosen.
  EXPECT_EQ(WithImageExtension("/tmp/chart.SVG", ImageFormat::kPng), "/tmp/chart.SVG");
  EXPECT_EQ(WithImageExtension("/tmp/chart.png", ImageFormat::kSvg), "/tmp/chart.png");
}

}  // namespace
}  // namespace pelcon::plot
