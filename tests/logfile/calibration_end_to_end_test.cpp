// Every value of a multiparameter file's first row, against numbers worked out by hand (Python for
// the float-rounded ones) from the coefficients below.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

// Channels 1, 2, 3, 4, 5, 45, 11, 12, 17: the record holds board, temperature, transducer
// temperature, pressure, barometer, turbidity high and low, battery, conductivity low, middle
// and high, port 1's two channels and optical oxygen.
LogFileDescription Sonde() {
  LogFileDescription d = test_support::VortaDescription();
  d.channelCodes = {1, 2, 3, 4, 5, 45, 11, 12, 17};
  d.records = {{2000, 0, 2500, 30000, 1013, 700, 5, 12000, 1000, 2000, 4000, 400, 0, 5100}};
  d.boardTemperature = {0.0f, 0.01f, 0.0f, 0.0f};
  d.pressureReference = 10.0f;
  SetPlatinumSensor(d);
  FactorySetCoefficient(d, 0, 0) = 100.0f;  // S_0: the resistance is R0, so 0 degrees
  FactorySetCoefficient(d, 1, 4) = 0.01f;   // S_1: transducer temperature / 100
  FactorySetCoefficient(d, 2, 4) = 0.001f;  // S_2: pressure / 1000
  d.pressureCompensation[4] = 1.0f;         // block 73 passes the pressure through
  d.factoryTable[4] = 0.01f;                // barometric set: reading / 100
  FactorySetCoefficient(d, 3, 4) = 1.0f;    // S_3, S_4: turbidity readings as they are
  FactorySetCoefficient(d, 4, 4) = 1.0f;
  FactorySetCoefficient(d, 15, 4) = 4.0f;  // S_15: 4 * high conductivity reading
  d.factoryTable[28] = 0.25f;              // high conductivity cubic: 0.25 u
  FactorySetCoefficient(d, 6, 4) = 0.5f;   // S_6: port 1 first channel / 2
  FactorySetCoefficient(d, 7, 0) = 7.0f;   // S_7: port 1 second channel = 7
  // The optical set is all 0: O4 is out of range, the nominal constants apply.

  ChannelCalibrationRecord& first = d.sensorPorts[0].first;  // type 8: 2 a + 1
  first.parameterType = 8;
  first.pairs[0] = {2.0f, 1.0f};
  ChannelCalibrationRecord& second = d.sensorPorts[0].second;  // type 4, one point at 25 C
  second.parameterType = 4;
  second.pointCount = 1;
  second.groups[0].f3 = 25.0f;
  second.pairs[0] = {1.0f, 0.0f};
  d.sensorPorts[3].first.pairs[1].slope = 2.0f;  // conductivity cell: 10^6 / a * 2
  return d;
}

TEST(CalibrationEndToEnd, EveryValueOfTheFirstRow) {
  // Blocks 86 and 83 are absent: their defaults leave turbidity as computed (the low reading 5
  // is above the low range's only point, f2 = 0, so the high range serves 700 * 1 + 0).
  const std::map<std::string, double> cooked{
      {"COOKED_TPCB", 19.999999552965164},  // 2000 * 0.01f
      {"COOKED_RTD", 100.0},
      {"COOKED_TPXD", 24.999999441206455},  // 2500 * 0.01f
      {"COOKED_PXD", 30.00000142492354},    // 30000 * 0.001f
      {"COOKED_BARO", 10.129999773576856},  // 1013 * 0.01f
      {"COOKED_TURBHI", 700.0},
      {"COOKED_TURBLO", 5.0},
      {"COOKED_BATT_V", 0.0},
      {"COOKED_CONDLO", 0.0},
      {"COOKED_CONDME", 0.0},
      {"COOKED_CONDHI", 16000.0},
      {"COOKED_ISEA1", 200.0},
      {"COOKED_ISEA2", 7.0},
      {"COOKED_OPD_DO", 1.0},  // (5100 - 5000) / 100
  };
  const std::map<std::string, double> base{
      {"BASE_RTD", 0.0},
      {"BASE_PXD", 30.00000142492354},
      {"BASE_BARO", 10.129999773576856},
      {"BASE_TURB", 700.0},
      {"BASE_BATT_V", 12.0},
      {"BASE_COND", 64000.0},  // u = 10^6 / 16000 = 62.5; 10^6 / (0.25 * 62.5)
      {"BASE_ISEA1", 200.0},
      {"BASE_ISEA2", 7.0},
      {"BASE_OPD_DO", 0.0319988},
  };
  const std::map<std::string, double> user{
      {"USER_RTD", 0.0},
      {"USER_PXD", 20.000001907348633},   // float(30.0000014 - 10)
      {"USER_BARO", 10.130000114440918},  // float(10.1299998)
      {"USER_TURB", 700.0},
      {"USER_BATT_V", 12.0},
      {"USER_COND", 31.25},               // 10^6 / 64000 * 2
      {"USER_ISEA1", 401.0},              // 2 * 200 + 1
      {"USER_ISEA2", 7.640673637390137},  // float(7 * 298.15f / 273.15f)
      {"USER_OPD2_DO", 0.03199879825115204},
  };

  CalibratedLog file(Sonde());
  ASSERT_EQ(file.log().RowCount(), 1u);
  const DataRow* row = file.Fetch(0);
  ASSERT_NE(row, nullptr);
  // 2009-03-15 14:30: 3361 days after 1 January 2000 (2451544.5) and 14.5 hours.
  const double time = 2451544.5 + 3361 + 14.5 / 24;

  const std::pair<ValueStage, const std::map<std::string, double>*> stages[] = {
      {ValueStage::kCooked, &cooked}, {ValueStage::kBase, &base}, {ValueStage::kUser, &user}};
  for (const auto& [stage, expected] : stages) {
    const StageNameTable& table = file.log().StageTable(stage);
    std::size_t seen = 0;
    for (int slot = 0; table.IsValid(slot); ++slot) {
      if (table.PresenceOf(slot) == 0) continue;
      const std::string name(table.NameOf(slot));
      const double value = CalibratedLog::Value(row, stage, name);
      if (name == "BASE_TIMESTAMP" || name == "USER_TIMESTAMP") {
        EXPECT_NEAR(value, time, 1e-6) << name;
        continue;
      }
      const auto found = expected->find(name);
      if (found == expected->end()) {
        ADD_FAILURE() << name << " = " << value << " has no expected value";
        continue;
      }
      ++seen;
      EXPECT_NEAR(value, found->second, 1e-9 * std::max(1.0, std::abs(found->second))) << name;
    }
    EXPECT_EQ(seen, expected->size()) << "values expected but not provided";
  }
}

}  // namespace
}  // namespace pelcon::calibration_test
