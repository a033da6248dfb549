#include "plot/series_selection.hpp"

#include <gtest/gtest.h>

namespace pelcon::plot {
namespace {

TEST(SeriesSelection, TwoUnitsAtMostAndTheOlderUnitMakesWay) {
  // Level in ft (twice), pressure in psi, temperature in C.
  SeriesSelection selection({"ft", "ft", "psi", "C"});
  // At first the series of the first two units.
  EXPECT_TRUE(selection.Shown(0));
  EXPECT_TRUE(selection.Shown(1));
  EXPECT_TRUE(selection.Shown(2));
  EXPECT_FALSE(selection.Shown(3));
  EXPECT_EQ(selection.AxisUnit(0), "ft");
  EXPECT_EQ(selection.AxisUnit(1), "psi");
  EXPECT_EQ(selection.AxisOf(2), 1u);

  // A third unit takes the axis of the unit chosen longest ago, and hides its series.
  selection.Show(3);
  EXPECT_TRUE(selection.Shown(3));
  EXPECT_FALSE(selection.Shown(0));
  EXPECT_FALSE(selection.Shown(1));
  EXPECT_EQ(selection.AxisUnit(0), "C");
  EXPECT_EQ(selection.AxisUnit(1), "psi");

  // Hiding the last series of a unit frees its axis for the next unit; psi stays.
  selection.Hide(3);
  EXPECT_FALSE(selection.AxisUnit(0).has_value());
  selection.Show(1);
  EXPECT_EQ(selection.AxisUnit(0), "ft");
  EXPECT_EQ(selection.AxisOf(1), 0u);
  EXPECT_TRUE(selection.Shown(2));
  // Hiding a series that is not shown changes nothing.
  selection.Hide(3);
  EXPECT_EQ(selection.AxisUnit(0), "ft");
}

}  // namespace
}  // namespace pelcon::plot
