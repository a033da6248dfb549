// COOKED and BASE values of multiparameter files, read through a loaded builder-made file.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

// Records of VortaDescription carry: board, temperature, transducer temperature, pressure.
LogFileDescription PressureFile() {
  LogFileDescription d = VortaWith({1, 2}, {{2150, 0, 2500, 30000}});
  SetPlatinumSensor(d);
  FactorySetCoefficient(d, 0, 0) = 100.0f;   // S_0: u = R0, so the temperature is 0
  FactorySetCoefficient(d, 2, 4) = 0.001f;   // S_2: pressure reading / 1000 ...
  FactorySetCoefficient(d, 2, 1) = 0.0001f;  // ... + board / 10000
  FactorySetCoefficient(d, 1, 4) = 0.01f;    // S_1: transducer temperature / 100
  d.pressureCompensation[0] = 0.5f;          // block 73: 0.5 + u + 0.1 v
  d.pressureCompensation[4] = 1.0f;
  d.pressureCompensation[1] = 0.1f;
  d.pressureReference = 14.7f;
  return d;
}

TEST(VortaFactoryStages, PressureGoesThroughTheTransducerCompensation) {
  CalibratedLog file(PressureFile());
  const DataRow* row = file.Fetch(0);
  // u = 30000 * 0.001f + 2150 * 0.0001f = 30.2150014..., v = 2500 * 0.01f = 24.9999994...,
  // 0.5 + u + 0.1f * v = 33.21500140086573 (Python, float coefficients in double arithmetic).
  EXPECT_NEAR(Base(row, "BASE_PXD"), 33.21500140086573, 1e-12);
  EXPECT_EQ(Base(row, "BASE_RTD"), 0.0);
  // COOKED values are the factory sets alone.
  EXPECT_NEAR(Cooked(row, "COOKED_PXD"), 30.215001419492182, 1e-12);
  EXPECT_NEAR(Cooked(row, "COOKED_TPXD"), 24.999999441206455, 1e-12);
}

TEST(VortaFactoryStages, StartOfTestReferenceIsTheFirstPressureLessTheFactoryReference) {
  LogFileDescription d = PressureFile();
  d.records.push_back({2150, 0, 2500, 40000});
  CalibratedLog file(d);
  ASSERT_TRUE(file.log().HasStartOfTestReference());
  // Row 0's BASE_PXD above less 14.7f: 33.21500140086573 - 14.699999809265137.
  EXPECT_NEAR(file.log().StartOfTestReference(), 18.515001591600594, 1e-12);
}

TEST(VortaFactoryStages, NoStartOfTestReferenceWithoutPressure) {
  CalibratedLog file(VortaWith({1, 5}, {{2150, 0, 12000}}));
  EXPECT_FALSE(file.log().HasStartOfTestReference());
  EXPECT_EQ(file.log().StartOfTestReference(), 0.0);
}

TEST(VortaFactoryStages, BoardTemperatureCubic) {
  LogFileDescription d = VortaWith({3, 5}, {{2150, 0, 12500}});
  d.boardTemperature = {1.0f, 0.01f, 0.0f, 0.0f};
  CalibratedLog file(d);
  // 1 + 0.01f * 2150 = 22.49999951943755.
  EXPECT_NEAR(Cooked(file.Fetch(0), "COOKED_TPCB"), 22.49999951943755, 1e-12);
}

TEST(VortaFactoryStages, TemperatureByCallendarVanDusen) {
  LogFileDescription d = VortaWith({1, 5}, {{0, 1000, 0}});
  SetPlatinumSensor(d);
  // S_0 holds only c0: the resistance is 138.5055f whatever the reading.
  FactorySetCoefficient(d, 0, 0) = 138.5055f;
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  // The boiling point of IEC 60751, worked out in Python from the float constants.
  EXPECT_NEAR(Base(row, "BASE_RTD"), 99.9999861030031, 1e-9);
  EXPECT_NEAR(User(row, "USER_RTD"), 99.9999861030031, 1e-5);
  EXPECT_EQ(Cooked(row, "COOKED_RTD"), static_cast<double>(138.5055f));
}

TEST(VortaFactoryStages, BarometerFromItsSetOrFixed) {
  LogFileDescription d = VortaWith({3, 5}, {{0, 1013, 0}});
  d.factoryTable[4] = 0.01f;  // barometric set F[0..15]: reading / 100
  CalibratedLog measured(d);
  EXPECT_NEAR(Base(measured.Fetch(0), "BASE_BARO"), 1013 * static_cast<double>(0.01f), 1e-12);

  d.optionalBlocks = {58, 85, 89};
  d.block58.type = 58;
  d.block58.fixedBarometer = 14.25f;
  d.block58.fixedBarometerSwitch = 1;
  d.records = {{0, 1013, 0}, {0, 0, 0}, {0, 65535, 0}};
  CalibratedLog fixed(d);
  for (std::size_t i = 0; i < 3; ++i) {
    const DataRow* row = fixed.Fetch(i);
    EXPECT_EQ(Base(row, "BASE_BARO"), 14.25) << "row " << i;
    // The barometer needs no temperature for its USER value.
    EXPECT_EQ(User(row, "USER_BARO"), 14.25) << "row " << i;
    // COOKED ignores the switch.
    EXPECT_NEAR(Cooked(row, "COOKED_BARO"), d.records[i][1] * static_cast<double>(0.01f), 1e-12);
  }
}

TEST(VortaFactoryStages, BatteryInVolts) {
  CalibratedLog file(VortaWith({3, 5}, {{0, 0, 12500}}));
  const DataRow* row = file.Fetch(0);
  EXPECT_DOUBLE_EQ(Base(row, "BASE_BATT_V"), 12.5);
  EXPECT_DOUBLE_EQ(User(row, "USER_BATT_V"), 12.5);
  EXPECT_EQ(Cooked(row, "COOKED_BATT_V"), 0.0);  // the battery has no COOKED stage
}

TEST(VortaFactoryStages, PortChannelsUseTheirOwnSets) {
  LogFileDescription d =
      VortaWith({11, 12, 21, 25, 31, 32, 41, 42}, {{2000, 100, 100, 100, 100, 100, 100, 100, 100}});
  // Port codes take S_6, S_7, S_12, S_16, S_8, S_9, S_10, S_11; give set a the slope a.
  for (const int set : {6, 7, 8, 9, 10, 11, 12, 16}) {
    FactorySetCoefficient(d, set, 4) = static_cast<float>(set);
  }
  for (SensorPortEntry& port : d.sensorPorts) {  // a parameter type makes BASE values exist
    port.first.parameterType = 8;
    port.second.parameterType = 8;
  }
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  const std::pair<const char*, double> expected[] = {
      {"ISEA1", 600}, {"ISEA2", 700}, {"DOISE", 1200}, {"DO", 1600},
      {"ISEB1", 800}, {"ISEB2", 900}, {"GISE1", 1000}, {"GISE2", 1100}};
  for (const auto& [name, value] : expected) {
    EXPECT_EQ(Cooked(row, std::string("COOKED_") + name), value) << name;
    EXPECT_EQ(Base(row, std::string("BASE_") + name), value) << name;
  }
}

// Conductivity sets S_13, S_14, S_15 scale by 1, 2, 4 and cubics by 1, 0.5, 0.25, so the value
// is L, 4 M or 16 H: 10^6 / (c1 * 10^6 / (k x)) = k x / c1.
LogFileDescription ConductivityFile(std::vector<std::vector<std::uint16_t>> records) {
  LogFileDescription d = VortaWith({45, 5}, std::move(records));
  FactorySetCoefficient(d, 13, 4) = 1.0f;
  FactorySetCoefficient(d, 14, 4) = 2.0f;
  FactorySetCoefficient(d, 15, 4) = 4.0f;
  d.factoryTable[20] = 1.0f;   // F[19..22], low
  d.factoryTable[24] = 0.5f;   // F[23..26], middle
  d.factoryTable[28] = 0.25f;  // F[27..30], high
  return d;
}

TEST(VortaFactoryStages, ConductivityRangeSelection) {
  // Records: board, L, M, H, battery.
  CalibratedLog file(ConductivityFile({{0, 1000, 65534, 65535, 0},
                                       {0, 1000, 65535, 65535, 0},
                                       {0, 1000, 2000, 1234, 0},
                                       {0, 1000, 2000, 65534, 0}}));
  EXPECT_DOUBLE_EQ(Base(file.Fetch(0), "BASE_COND"), 4.0 * 65534);  // H at its limit: middle
  EXPECT_DOUBLE_EQ(Base(file.Fetch(1), "BASE_COND"), 1000.0);       // both at their limit: low
  EXPECT_DOUBLE_EQ(Base(file.Fetch(2), "BASE_COND"), 16.0 * 1234);  // high
  EXPECT_DOUBLE_EQ(Base(file.Fetch(3), "BASE_COND"), 16.0 * 65534);
}

TEST(VortaFactoryStages, ZeroConductivityIsNotFinite) {
  // A zero reading divides by zero; the cell prints empty instead of the run stopping.
  CalibratedLog file(ConductivityFile({{0, 0, 0, 0, 0}}));
  EXPECT_FALSE(std::isfinite(Base(file.Fetch(0), "BASE_COND")));
}

TEST(VortaFactoryStages, OpticalOxygenOutOfRangeSetUsesNominalConstants) {
  LogFileDescription d = VortaWith({1, 17}, {{0, 0, 5100}});
  SetPlatinumSensor(d);
  FactorySetCoefficient(d, 0, 0) = 100.0f;
  FactorySetCoefficient(d, 5, 4) = 50.0f;  // O4 = 50 is no calibration
  FactorySetCoefficient(d, 5, 0) = 7.0f;   // so O0 and O1 are replaced by 100 and 5000
  FactorySetCoefficient(d, 5, 1) = 9.0f;
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_DO"), 1.0);    // (5100 - 5000) / 100
  EXPECT_DOUBLE_EQ(Base(row, "BASE_OPD_DO"), 0.0319988);  // 100 * 0.0319988 / 100
  EXPECT_EQ(User(row, "USER_OPD2_DO"), static_cast<double>(0.0319988f));
}

TEST(VortaFactoryStages, OpticalOxygenStoredConstants) {
  LogFileDescription d = VortaWith({17, 171, 172, 176}, {{0, 300, 100, 550, 30}});
  // O0..O9 = S_5: O0 2, O1 100, O2 4, O3 20, O4 250, O5 50, O8 0.5, O9 10.
  const float o[10] = {2.0f, 100.0f, 4.0f, 20.0f, 250.0f, 50.0f, 0.0f, 0.0f, 0.5f, 10.0f};
  for (int k = 0; k < 10; ++k) FactorySetCoefficient(d, 5, k) = o[k];
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_DO"), 100.0);    // (300 - 100) / 2
  EXPECT_DOUBLE_EQ(Base(row, "BASE_OPD_DO"), 3.19988);      // 200 * 0.0319988 / 2
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_TEMP"), 20.0);   // (100 - 20) / 4
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_DPHASE"), 2.0);  // (550 - 50) / 250
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_O2PP"), 40.0);   // (30 - 10) / 0.5
}

TEST(VortaFactoryStages, FourReadingOpticalSensorTemperatureReadsItsOwnReading) {
  // Codes 160..163; "COOKED_OPD_TEMP" and "BASE_OPD_TEMP" find the slots of code 171.
  LogFileDescription d = VortaWith({16, 5}, {{0, 300, 100, 550, 7, 0}});
  const float o[8] = {2.0f, 100.0f, 4.0f, 20.0f, 250.0f, 50.0f, 0.5f, 3.0f};
  for (int k = 0; k < 8; ++k) FactorySetCoefficient(d, 5, k) = o[k];
  CalibratedLog file(d);
  const DataRow* row = file.Fetch(0);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_DO"), 100.0);   // (300 - 100) / 2
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_TEMP"), 20.0);  // (100 - 20) / 4, not -20 / 4
  EXPECT_DOUBLE_EQ(Base(row, "BASE_OPD_TEMP"), 20.0);
  EXPECT_DOUBLE_EQ(Base(row, "BASE_OPD_BPHASE"), 2.0);  // (550 - 50) / 250
  EXPECT_DOUBLE_EQ(Base(row, "BASE_OPD_BAMP"), 8.0);    // (7 - 3) / 0.5
}

TEST(VortaFactoryStages, PhaseAndAmplitudeScales) {
  CalibratedLog file(VortaWith({180, 191, 182, 193, 184}, {{0, 32767, 65535, 65535, 10922, 4321},
                                                           {0, 32768, 0, 10922, 0, 0}}));
  const DataRow* row = file.Fetch(0);
  // (x - 32767.5) * 0.005493248 and (x - 10922.5) * 0.00009155413, by hand.
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_BLUE_PHASE"), -0.002746624);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_RED_REF\t"), 180.00000384);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_BLUE_AC_AMP"), 54612.5 * 0.00009155413);
  EXPECT_DOUBLE_EQ(Cooked(row, "COOKED_OPD_RED_REF_AC_AMP"), -0.000045777065);
  EXPECT_EQ(Cooked(row, "COOKED_OPD_BLUE_MAX_ABS"), 4321.0);
  const DataRow* next = file.Fetch(1);
  EXPECT_DOUBLE_EQ(Cooked(next, "COOKED_OPD_BLUE_PHASE"), 0.002746624);
  EXPECT_DOUBLE_EQ(Cooked(next, "COOKED_OPD_RED_REF\t"), -180.00000384);
  EXPECT_DOUBLE_EQ(Cooked(next, "COOKED_OPD_BLUE_AC_AMP"), -0.000045777065);
}

}  // namespace
}  // namespace pelcon::calibration_test
