// USER values: the user calibration by parameter type, and its inputs in loaded files.

#include "logfile/families/vorta/calibration_user.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

ChannelCalibrationRecord Record(int points) {
  ChannelCalibrationRecord r{};
  r.pointCount = static_cast<std::uint8_t>(points);
  return r;
}

double Apply(const ChannelCalibrationRecord& r, int type, double a, double temperature = 25.0) {
  const std::optional<double> value = ApplyUserCalibration(r, {type, a, temperature, 14.7f});
  EXPECT_TRUE(value.has_value()) << "type " << type;
  return value.value_or(std::nan(""));
}

// Expected values below were worked out in Python with 273.15 and the coefficients rounded to
// float; Kt(x) = (x + 273.15) / (T + 273.15).

TEST(UserCalibration, PressureLessTheReference) {
  EXPECT_DOUBLE_EQ(Apply(Record(0), 3, 20.5), 5.800000190734863);  // 20.5 - 14.7f
}

TEST(UserCalibration, IonSelectiveByPointCount) {
  ChannelCalibrationRecord r = Record(1);
  r.groups[0].f3 = 50.0f;
  r.groups[1] = {0, 0.0f, 5.0f, 30.0f};
  r.groups[2].f3 = 40.0f;
  r.pairs[0] = {2.0f, 1.0f};
  r.pairs[1] = {3.0f, 0.5f};
  EXPECT_DOUBLE_EQ(Apply(r, 4, 10.0), 22.67700825167079);  // Kt(50) * 2 * 10 + 1
  r.pointCount = 3;
  EXPECT_DOUBLE_EQ(Apply(r, 4, 10.0), 21.335401650334155);  // above G1.f2: Kt(30) * 2 * 10 + 1
  EXPECT_DOUBLE_EQ(Apply(r, 4, 5.0), 16.254653713251855);   // at G1.f2: Kt(40) * 3 * 5 + 0.5
  r.pointCount = 4;  // more points than the formula knows: no reading, not 0
  EXPECT_FALSE(ApplyUserCalibration(r, {4, 10.0, 25.0, 0.0f}).has_value());
}

TEST(UserCalibration, ConductivityCellConstant) {
  ChannelCalibrationRecord r = Record(0);
  r.pairs[1].slope = 0.5f;
  EXPECT_DOUBLE_EQ(Apply(r, 5, 500.0), 1000.0);  // 10^6 / 500 * 0.5
}

TEST(UserCalibration, DissolvedOxygenByItsCalibrationPoint) {
  ChannelCalibrationRecord r = Record(0);
  r.groups[0].f3 = 25.0f;
  r.groups[1].f3 = 15.0f;
  r.groups[2].f3 = 30.0f;
  r.groups[5] = {70, 0.02f, 0.0f, 0.0f};
  r.pairs[0] = {1.5f, 0.25f};
  r.pairs[1] = {2.0f, 0.0f};
  r.pairs[2] = {0.5f, 1.0f};
  r.e = 7;  // h = 8 * 1.5 + 0.25 = 12.25, k from G5: exp((25 - 20) * 0.02f) * 12.25
  EXPECT_DOUBLE_EQ(Apply(r, 7, 8.0, 20.0), 13.538343716166127);
  r.groups[5].code = 69;  // k = 0.0456
  EXPECT_DOUBLE_EQ(Apply(r, 7, 8.0, 20.0), 15.387045236546214);
  r.e = 8;  // h = 16: exp((15 - 20) * 0.0456) * 16
  EXPECT_DOUBLE_EQ(Apply(r, 7, 8.0, 20.0), 12.73798815736726);
  r.e = 9;  // h = 5: exp((30 - 20) * 0.0456) * 5
  EXPECT_DOUBLE_EQ(Apply(r, 7, 8.0, 20.0), 7.8887517238323905);
  r.e = 0;  // h = a, Tr = 25: exp(5 * 0.0456) * 8
  EXPECT_DOUBLE_EQ(Apply(r, 7, 8.0, 20.0), 10.048682603458753);
}

TEST(UserCalibration, LinearAndUncalibratedTypes) {
  ChannelCalibrationRecord r = Record(0);
  r.pairs[0] = {2.5f, -1.0f};
  EXPECT_DOUBLE_EQ(Apply(r, 8, 4.0), 9.0);
  for (const int type : {2, 6, 27, 28, -1}) EXPECT_DOUBLE_EQ(Apply(r, type, 4.0), 4.0);
}

TEST(UserCalibration, LogarithmicTypes) {
  ChannelCalibrationRecord r = Record(1);
  r.pairs[0] = {0.5f, -1.0f};
  r.groups[0].f3 = 35.0f;
  r.groups[3].f2 = 7.0f;
  for (const int type : {13, 16, 17}) {
    EXPECT_DOUBLE_EQ(Apply(r, type, 4.0), 10.0) << type;  // 10^(4 * 0.5 - 1)
  }
  // d = 3: sigma = Kt(35) * 0.5 = 0.51677..., rho = -1 - 7 * (sigma - 0.5), 10^(4 sigma + rho).
  r.pointCount = 3;
  EXPECT_DOUBLE_EQ(Apply(r, 16, 4.0), 8.906144813278642);
}

TEST(UserCalibration, TurbidityPairByCalibrationPoints) {
  ChannelCalibrationRecord r = Record(3);
  r.groups[1].f2 = 300.0f;
  r.groups[2].f2 = 600.0f;
  r.pairs[0] = {3.0f, 0.0f};
  r.pairs[1] = {2.0f, 1.0f};
  r.pairs[2] = {5.0f, 0.0f};
  EXPECT_DOUBLE_EQ(Apply(r, 22, 300.0), 601.0);  // exactly G1.f2 takes pair 1
  EXPECT_DOUBLE_EQ(Apply(r, 22, 299.5), 898.5);
  EXPECT_DOUBLE_EQ(Apply(r, 22, 900.0), 1801.0);  // d = 3 never uses pair 2
  r.pointCount = 4;
  EXPECT_DOUBLE_EQ(Apply(r, 22, 600.0), 3000.0);
  EXPECT_DOUBLE_EQ(Apply(r, 22, 450.0), 901.0);
  EXPECT_DOUBLE_EQ(Apply(r, 22, 300.0), 601.0);
  EXPECT_DOUBLE_EQ(Apply(r, 22, 100.0), 300.0);
  for (const int points : {0, 1, 2}) {
    r.pointCount = static_cast<std::uint8_t>(points);
    EXPECT_DOUBLE_EQ(Apply(r, 22, 600.0), 1800.0) << points;
  }
  r.pointCount = 5;
  EXPECT_FALSE(ApplyUserCalibration(r, {22, 600.0, 25.0, 0.0f}).has_value());
}

TEST(UserCalibrationInFiles, DefaultBlocksLeaveTurbidityAndLinearChannelsAsTheyAre) {
  // No blocks 83 and 86 in the file: their defaults have pairs (1, 0), so BASE_TURB is the
  // high-range reading and USER_TURB the same. A port channel of type 8
  // with the same content as the default record behaves alike.
  LogFileDescription d = TurbidityFile({{0, 0, 300, 0}, {0, 0, 12345, 0}});
  d.channelCodes.push_back(11);
  d.records = {{0, 0, 300, 0, 400}, {0, 0, 12345, 0, 500}};
  FactorySetCoefficient(d, 6, 4) = 0.25f;  // S_6: port 1 first channel = reading / 4
  ChannelCalibrationRecord& port = d.sensorPorts[0].first;
  port.tag = 75;
  port.parameterType = 8;
  port.e = 45;
  port.pointCount = 1;
  for (CalibrationGroup& group : port.groups) group = {45, 0.0f, 0.0f, 25.0f};
  for (CalibrationPair& pair : port.pairs) pair = {1.0f, 0.0f};
  CalibratedLog file(d);
  for (std::size_t i = 0; i < 2; ++i) {
    const DataRow* row = file.Fetch(i);
    EXPECT_EQ(Base(row, "BASE_TURB"), d.records[i][2]);
    EXPECT_EQ(User(row, "USER_TURB"), Base(row, "BASE_TURB"));
    EXPECT_EQ(Base(row, "BASE_ISEA1"), d.records[i][4] / 4.0);
    EXPECT_EQ(User(row, "USER_ISEA1"), Base(row, "BASE_ISEA1"));
  }
}

TEST(UserCalibrationInFiles, TurbidityRecordOfBlock83) {
  LogFileDescription d = TurbidityFile({{0, 0, 300, 0}, {0, 0, 299, 0}});
  d.optionalBlocks = {83, 85, 89};  // block 86 keeps its default: BASE_TURB = the reading
  d.block83.user.pointCount = 3;
  d.block83.user.groups[1].f2 = 300.0f;
  d.block83.user.pairs[0] = {3.0f, 0.0f};
  d.block83.user.pairs[1] = {2.0f, 1.0f};
  CalibratedLog file(d);
  EXPECT_EQ(User(file.Fetch(0), "USER_TURB"), 601.0);  // BASE 300 is exactly G1.f2: pair 1
  EXPECT_EQ(User(file.Fetch(1), "USER_TURB"), 897.0);  // BASE 299: pair 0
}

TEST(UserCalibrationInFiles, PressureAndConductivityRecords) {
  LogFileDescription d = VortaWith({1, 2, 45}, {{0, 0, 0, 30000, 0, 0, 2000}});
  SetPlatinumSensor(d);
  FactorySetCoefficient(d, 0, 0) = 100.0f;
  FactorySetCoefficient(d, 2, 4) = 0.001f;  // u = 30000 * 0.001f
  d.pressureCompensation[4] = 1.0f;         // BASE_PXD = u
  d.pressureReference = 14.5f;
  FactorySetCoefficient(d, 15, 4) = 1.0f;  // high range: BASE_COND = H
  d.factoryTable[28] = 1.0f;
  d.sensorPorts[3].first.pairs[1].slope = 0.5f;  // code 45 takes port 4's first channel
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  // 30000 * 0.001f - 14.5 = 15.50000142492354 (Python), kept as a float.
  EXPECT_EQ(User(row, "USER_PXD"), static_cast<double>(15.50000142492354f));
  EXPECT_DOUBLE_EQ(Base(row, "BASE_COND"), 2000.0);
  EXPECT_EQ(User(row, "USER_COND"), 250.0);  // 10^6 / 2000 * 0.5
}

TEST(UserCalibrationInFiles, WithoutTemperatureOnlyBarometerAndBatteryHaveUserValues) {
  LogFileDescription d =
      VortaWith({2, 3, 5, 11, 45}, {{0, 100, 200, 300, 400, 500, 600, 700, 800}});
  d.pressureCompensation[0] = 1.0f;
  d.sensorPorts[0].first.parameterType = 8;
  FactorySetCoefficient(d, 15, 0) = 1.0f;
  d.factoryTable[27] = 1.0f;
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  for (const char* name : {"USER_PXD", "USER_ISEA1", "USER_COND"}) {
    EXPECT_TRUE(std::isnan(User(row, name))) << name;  // no reading, not 0
  }
  EXPECT_EQ(Base(row, "BASE_PXD"), 1.0);
  EXPECT_EQ(Base(row, "BASE_COND"), 1e6);
  EXPECT_EQ(User(row, "USER_BARO"), 0.0);  // barometric set all 0
  EXPECT_DOUBLE_EQ(User(row, "USER_BATT_V"), static_cast<double>(0.4f));
}

}  // namespace
}  // namespace pelcon::calibration_test
