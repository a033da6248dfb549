// Level logger files: block 31's cubic and bicubic; USER values are the BASE values.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

// LodaxDescription: pressure = reading * 0.001f, temperature cubic c1 = 0.01f; records carry
// board 2150 and pressure 10000 first. Expected numbers are Python's, from the float
// coefficients.
LogFileDescription LevelLogger() {
  LogFileDescription d = test_support::LodaxDescription();
  d.lodaxPressure[1] = 0.0001f;  // + board * 0.0001: the board reading is the second variable
  return d;
}

TEST(LodaxStages, CookedUsesTheTemperatureCubicForEveryReading) {
  CalibratedLog file(LevelLogger());
  const DataRow* row = file.Fetch(0);
  EXPECT_NEAR(Cooked(row, "COOKED_TPCB"), 21.49999951943755, 1e-12);  // 2150 * 0.01f
  EXPECT_NEAR(Cooked(row, "COOKED_PXD"), 99.99999776482582, 1e-12);   // 10000 * 0.01f
}

TEST(LodaxStages, BaseAndUser) {
  CalibratedLog file(LevelLogger());
  const DataRow* row = file.Fetch(0);
  EXPECT_NEAR(Base(row, "BASE_RTD"), 21.49999951943755, 1e-12);
  // 10000 * 0.001f + 2150 * 0.0001f.
  EXPECT_NEAR(Base(row, "BASE_PXD"), 10.215000469543156, 1e-12);
  EXPECT_EQ(User(row, "USER_RTD"), 21.5);  // kept as a float
  EXPECT_EQ(User(row, "USER_PXD"), static_cast<double>(10.215000469543156f));
  ASSERT_TRUE(file.log().HasStartOfTestReference());  // block 72 is absent: reference 0
  EXPECT_NEAR(file.log().StartOfTestReference(), 10.215000469543156, 1e-12);
}

TEST(LodaxStages, BarometricLoggerHasNoPressureReference) {
  LogFileDescription d = LevelLogger();
  d.deviceCode = 28;
  d.records = {{2150, 1013}};
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  EXPECT_NEAR(Base(row, "BASE_BARO"), 1.2280000426835613, 1e-12);  // 1013 * 0.001f + 0.215
  EXPECT_EQ(User(row, "USER_BARO"), static_cast<double>(1.2280000426835613f));
  EXPECT_FALSE(file.log().HasStartOfTestReference());
}

TEST(LodaxStages, UserBeyondSinglePrecisionIsInfinite) {
  // 1e30f * 2150^3 is about 1e40: a double, but no float.
  LogFileDescription d = LevelLogger();
  d.lodaxTemperature = {0.0f, 0.0f, 0.0f, 1e30f};
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  EXPECT_DOUBLE_EQ(Base(row, "BASE_RTD"), static_cast<double>(1e30f) * 2150.0 * 2150.0 * 2150.0);
  EXPECT_EQ(User(row, "USER_RTD"), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace pelcon::calibration_test
