#include "ui/dialog_units.hpp"

#include <gtest/gtest.h>

namespace pelcon::ui {
namespace {

TEST(DialogUnits, AverageWidthIsTheRoundedMeanOfTheLetters) {
  // 338 / 52 = 6.5 rounds up to 7; 337 / 52 = 6.48 rounds down to 6.
  EXPECT_EQ(DialogUnits(338, 13).AverageCharWidth(), 7);
  EXPECT_EQ(DialogUnits(337, 13).AverageCharWidth(), 6);
}

TEST(DialogUnits, ScaleByAQuarterOfTheWidthAndAnEighthOfTheHeight) {
  const DialogUnits units(312, 13);  // average width 6
  EXPECT_EQ(units.X(250), 375);      // 250 * 6 / 4
  EXPECT_EQ(units.Y(266), 432);      // 266 * 13 / 8 = 432.25
  EXPECT_EQ(units.Y(4), 7);          // 6.5 rounds away from zero
  EXPECT_EQ(units.Y(-4), -7);
  EXPECT_EQ(units.Rect(7, 17, 236, 12), (PixelRect{11, 28, 354, 20}));  // 10.5 -> 11, 27.6 -> 28
}

}  // namespace
}  // namespace pelcon::ui
