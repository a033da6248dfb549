// Turbidity: range choice, calibration points and temperature coefficients of block 86.

#include <gtest/gtest.h>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

// Low range: points 0, 10, 100 with pairs (2, 0), (3, 1); high range: points -, 1000, 2000 with
// pairs (1, 5), (1, 7).
LogFileDescription CalibratedTurbidityFile(std::vector<std::vector<std::uint16_t>> records) {
  LogFileDescription d = TurbidityFile(std::move(records));
  d.optionalBlocks = {86, 85, 89};
  Block86& b = d.block86;
  b.low.pointCount = 3;
  b.low.groups[1].f2 = 10.0f;
  b.low.groups[2].f2 = 100.0f;
  b.low.pairs[0] = {2.0f, 0.0f};
  b.low.pairs[1] = {3.0f, 1.0f};
  b.high.pointCount = 3;
  b.high.groups[1].f2 = 1000.0f;
  b.high.groups[2].f2 = 2000.0f;
  b.high.pairs[0] = {1.0f, 5.0f};
  b.high.pairs[1] = {1.0f, 7.0f};
  return d;
}

std::vector<double> Turbidities(const LogFileDescription& d) {
  CalibratedLog file(d);
  std::vector<double> values;
  for (std::size_t i = 0; i < d.records.size(); ++i) {
    values.push_back(Base(file.Fetch(i), "BASE_TURB"));
  }
  return values;
}

TEST(Turbidity, RangesAndCalibrationPoints) {
  const LogFileDescription d = CalibratedTurbidityFile({{0, 0, 800, 5},
                                                        {0, 0, 800, 50},
                                                        {0, 0, 800, 100},
                                                        {0, 0, 1500, 500},
                                                        {0, 0, 800, 0},
                                                        {0, 0, 3000, 500}});
  const std::vector<double> expected = {
      10,    // low, first point: 5 * 2
      151,   // low, second pair: 50 * 3 + 1
      301,   // at the last low point
      1507,  // above the low range: high, second pair
      805,   // a low reading of 0 goes to the high range
      3007,  // above every high point: the last pair in use
  };
  EXPECT_EQ(Turbidities(d), expected);
}

TEST(Turbidity, LowRangeWithoutPointsIsSkipped) {
  LogFileDescription d = CalibratedTurbidityFile({{0, 0, 800, 5}});
  d.block86.low.pointCount = 0;
  EXPECT_EQ(Turbidities(d), std::vector<double>{805});
}

TEST(Turbidity, OnePointRangesUseTheFirstPair) {
  LogFileDescription d = CalibratedTurbidityFile({{0, 0, 800, 5}, {0, 0, 5000, 500}});
  d.block86.low.pointCount = 1;
  d.block86.low.groups[0].f2 = 10.0f;
  d.block86.high.pointCount = 1;
  EXPECT_EQ(Turbidities(d), (std::vector<double>{10, 5005}));
}

TEST(Turbidity, CountsBeyondTheRecordAreLimitedToItsGroups) {
  LogFileDescription d = CalibratedTurbidityFile(
      {{0, 0, 800, 35}, {0, 0, 800, 45}, {0, 0, 5000, 500}, {0, 0, 2500, 500}});
  Block86& b = d.block86;
  b.low.pointCount = 9;
  b.high.pointCount = 200;
  for (int i = 1; i < 5; ++i) {
    b.low.groups[i].f2 = 10.0f * static_cast<float>(i);
    b.high.groups[i].f2 = 1000.0f * static_cast<float>(i);
  }
  for (int i = 0; i < 4; ++i) {
    b.low.pairs[i] = {1.0f, 100.0f * static_cast<float>(i)};
    b.high.pairs[i] = {1.0f, 5.0f + static_cast<float>(i)};
  }
  const std::vector<double> expected = {
      335,   // 35 <= point 4 (40): pair 3
      805,   // 45 is above point 4, the last of five
      5008,  // above every high point: pair 3
      2507,  // 2500 <= point 3 (3000): pair 2
  };
  EXPECT_EQ(Turbidities(d), expected);
}

TEST(Turbidity, TemperatureCoefficients) {
  LogFileDescription d = CalibratedTurbidityFile({{0, 0, 800, 5}, {0, 0, 800, 500}});
  // At 0 degrees: low divisor -25 * 0.02 + 1 = 0.5, high divisor -625 * 0.0008 + 1 = 0.5, so the
  // compensated values are twice the readings (10.0f and 1600.0f after rounding, Python).
  d.block86.lowTemperature[0] = 0.02f;
  d.block86.highTemperature[1] = 0.0008f;
  EXPECT_EQ(Turbidities(d), (std::vector<double>{20, 1607}));
}

TEST(Turbidity, ShortBlockHasNoTemperatureCoefficients) {
  // The 236-byte block 86 ends before the coefficients; the bytes of block 85 that follow it are
  // not read as coefficients.
  LogFileDescription d = CalibratedTurbidityFile({{0, 0, 800, 5}, {0, 0, 800, 500}});
  d.block86.lowTemperature[0] = 0.02f;
  d.block86.highTemperature[1] = 0.0008f;
  d.shortBlock86 = true;
  d.block85.settings[0] = 0x4000;
  EXPECT_EQ(Turbidities(d), (std::vector<double>{10, 805}));
}

TEST(Turbidity, MissingTemperatureFailsTheValue) {
  LogFileDescription d = CalibratedTurbidityFile({{0, 800, 5, 0}});
  d.channelCodes = {4, 5};
  CalibratedLog file(d);
  EXPECT_TRUE(std::isnan(Base(file.Fetch(0), "BASE_TURB")));
}

}  // namespace
}  // namespace pelcon::calibration_test
