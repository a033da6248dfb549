// Converts builder-made log files of both families and all four test types with a template that
// selects every column and every header section, and compares the whole CSV file with a golden
// file in tests/e2e/golden/.
//
// The golden files are not the program's word for what is right: check_golden.py in this folder
// reads each golden log file itself, computes every value with the calibration, unit and derived
// value formulas written out in Python, formats it, and compares every cell and header line.
// Regenerate and re-check them with one command (see regenerate.sh):
//
//   tests/e2e/regenerate.sh <build directory>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "export/column_name_table.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

using test_support::Family;
using test_support::LogFileDescription;

const std::filesystem::path kGoldenDirectory =
    std::filesystem::path(PELCON_SOURCE_DIR) / "tests" / "e2e" / "golden";

// The report's "generated" line and every Event record stored without its seconds read this.
constexpr const char* kNow = "2024-05-06 07:08:09";

void SetTestType(LogFileDescription& d, int testType) {
  d.testType = testType;
  d.scheduledStart = {2009, 3, 15, 14, 0, 0, 0};
  switch (testType) {
    case kLinearTestBlock:
      d.interval = {0, 0, 15, 0, 0};
      break;
    case kLogarithmicTestBlock:
      d.interval = {0, 1, 0, 0, 0};
      break;
    case kEventTestBlock:
      d.interval = {0, 1, 30, 0, 0};
      d.storageMultiplier = 3;
      d.monitoredChannel = 2;
      d.deltaThreshold = 0.25f;
      // The fourth record has no seconds: it is stamped with "now".
      d.eventSeconds = {0, 600, 1800, 0, 7200};
      break;
    default:
      d.interval = {0, 0, 30, 0, 0};
      d.secondsBetweenMeasurements = 10;
      d.measurementCount = 6;
      break;
  }
}

void SetSite(LogFileDescription& d) {
  d.site.userReference = 2.5f;
  d.site.nowReference = 3.125f;
  d.site.latitude = 45;
  d.site.elevation = 100.0f;
  d.site.density = 1.0f;
  d.site.specificGravity = 1.0f;
}

// A level logger: board temperature and pressure through the block 31 polynomials.
LogFileDescription Lodax(int testType) {
  LogFileDescription d = test_support::LodaxDescription();
  d.serialNumber = 5150;
  d.unitName = "MW-3, DEEP";  // holds the report's separator
  d.testName = "LODAX TEST";
  SetTestType(d, testType);
  SetSite(d);
  d.lodaxPressure = {};
  d.lodaxPressure[0] = 0.125f;  // c0
  d.lodaxPressure[1] = -1e-5f;  // y
  d.lodaxPressure[4] = 0.001f;  // x
  d.lodaxPressure[5] = 2e-8f;   // x y
  d.lodaxTemperature = {-5.0f, 0.012f, 1e-7f, 0.0f};
  d.records = {{2150, 10000}, {2203, 10450}, {1987, 9876}, {2301, 12001}, {2222, 15555}};
  return d;
}

// A sonde with temperature, pressure, barometer, battery and conductivity channels.
LogFileDescription Vorta(int testType) {
  LogFileDescription d = test_support::VortaDescription();
  d.deviceCode = 35;
  d.serialNumber = 40123;
  d.firmwareVersion = 301;
  d.unitName = "SONDE \"B\"";  // holds a quote
  d.testName = "VORTA TEST";
  SetTestType(d, testType);
  SetSite(d);
  d.channelCodes = {1, 2, 3, 5, 45};
  d.boardTemperature = {-10.0f, 0.01f, 0.0f, 0.0f};
  d.pressureReference = 14.7f;
  std::array<float, 303>& f = d.factoryTable;
  f = {};
  f[0 + 4] = 0.0005f;  // barometric set: x
  f[0 + 1] = 1e-6f;    //                 y
  f[16] = 100.0f;      // R0
  f[17] = 3.9083e-3f;  // A
  f[18] = -5.775e-7f;  // Bc
  f[19 + 1] = 1.0f;    // low range cubic: u
  f[23 + 1] = 1.0f;    // middle range cubic: u
  f[27 + 0] = 5.0f;    // high range cubic: 5 + u
  f[27 + 1] = 1.0f;
  auto set = [&f](int a, int k, float value) {
    f[static_cast<std::size_t>(31 + 16 * a + k)] = value;
  };
  set(0, 0, 100.0f);  // temperature: 100 + 0.0004 x + 1e-5 y
  set(0, 4, 0.0004f);
  set(0, 1, 1e-5f);
  set(1, 4, 0.001f);  // transducer temperature
  set(2, 0, 0.05f);   // pressure
  set(2, 4, 0.001f);
  set(13, 4, 0.02f);   // conductivity, low range
  set(14, 4, 0.015f);  // middle range
  set(15, 4, 0.01f);   // high range, with an x y term
  set(15, 5, 1e-8f);
  d.pressureCompensation = {};
  d.pressureCompensation[4] = 1.0f;               // u
  d.pressureCompensation[1] = 0.01f;              // v
  d.sensorPorts[3].first.pairs[1].slope = 0.98f;  // conductivity's USER record
  // board, temperature, transducer temperature, pressure, barometer, battery, conductivity
  // low, middle, high.
  d.records = {
      {2150, 20000, 21000, 30000, 29400, 12346, 30000, 25000, 20000},
      {2160, 20500, 21010, 30100, 29420, 12301, 30100, 25100, 20500},
      {2170, 21000, 21020, 30250, 29380, 12288, 31000, 26000, 0xFFFF},   // middle range
      {2180, 19500, 21030, 29900, 29410, 12270, 32000, 0xFFFF, 0xFFFF},  // low range
      {2190, 20250, 21040, 30050, 29400, 12255, 30500, 25500, 21000},
  };
  return d;
}

// One calibration record of a port channel or of the user turbidity block.
ChannelCalibrationRecord PortRecord(std::uint8_t parameterType, std::uint8_t e,
                                    std::uint8_t pointCount) {
  ChannelCalibrationRecord record{};
  record.parameterType = parameterType;
  record.e = e;
  record.pointCount = pointCount;
  return record;
}

// A water quality sonde with every kind of sensor the columns show, but conductivity: pH and
// redox on port 1, oxygen on port 2, ammonium and chloride on port 3, nitrate on port 4,
// turbidity with its own calibration blocks, optical oxygen, barometer and battery.
LogFileDescription VortaSensors() {
  LogFileDescription d = Vorta(kLinearTestBlock);
  d.testName = "SENSORS";
  d.unitName = "SONDE C";
  d.channelCodes = {1, 2, 3, 5, 11, 12, 25, 31, 32, 42, 4, 17};
  std::array<float, 303>& f = d.factoryTable;
  auto set = [&f](int a, int k, float value) {
    f[static_cast<std::size_t>(31 + 16 * a + k)] = value;
  };
  set(3, 4, 0.01f);  // turbidity, low range
  set(4, 4, 0.02f);  // high range
  set(6, 4, 0.01f);  // pH millivolts
  set(6, 0, -200.0f);
  set(7, 4, 0.02f);    // redox
  set(16, 4, 0.001f);  // oxygen
  set(16, 1, 1e-6f);
  set(8, 4, 0.005f);  // ammonium, chloride, nitrate
  set(9, 4, 0.004f);
  set(11, 4, 0.003f);
  // Optical oxygen constants of set 5 stay zero: the replacement constants apply.

  ChannelCalibrationRecord ph = PortRecord(4, 0, 3);  // two slopes split at 0 mV
  ph.groups[1].f2 = 0.0f;
  ph.groups[1].f3 = 24.0f;
  ph.groups[2].f3 = 26.0f;
  ph.pairs[0] = {-0.0169f, 7.0f};
  ph.pairs[1] = {-0.0172f, 7.05f};
  ChannelCalibrationRecord redox = PortRecord(8, 0, 1);
  redox.pairs[0] = {1.0f, -15.0f};
  ChannelCalibrationRecord oxygen = PortRecord(7, 7, 1);
  oxygen.groups[0].f3 = 20.0f;
  oxygen.groups[5] = {70, 0.03f, 0.0f, 0.0f};
  oxygen.pairs[0] = {1.05f, 0.1f};
  ChannelCalibrationRecord ammonium = PortRecord(13, 0, 3);
  ammonium.groups[0].f3 = 22.0f;
  ammonium.groups[3].f2 = 0.5f;
  ammonium.pairs[0] = {0.017f, -1.2f};
  ChannelCalibrationRecord chloride = PortRecord(16, 0, 1);
  chloride.pairs[0] = {-0.016f, 2.5f};
  ChannelCalibrationRecord nitrate = PortRecord(17, 0, 2);
  nitrate.pairs[0] = {-0.015f, 3.0f};
  d.sensorPorts = {};
  d.sensorPorts[0] = {1, ph, redox};
  d.sensorPorts[1] = {2, oxygen, PortRecord(0, 0, 0)};
  d.sensorPorts[2] = {3, ammonium, chloride};
  d.sensorPorts[3] = {4, PortRecord(0, 0, 0), nitrate};

  d.optionalBlocks = {kBlock85, kTurbidityBlock, kUserTurbidityBlock};
  d.block86.type = kTurbidityBlock;
  d.block86.low.pointCount = 3;  // 0 to 50 and 50 to 100 units
  d.block86.low.groups[1].f2 = 50.0f;
  d.block86.low.groups[2].f2 = 100.0f;
  d.block86.low.pairs[0] = {1.02f, 0.5f};
  d.block86.low.pairs[1] = {0.98f, 1.5f};
  d.block86.high.pointCount = 2;
  d.block86.high.groups[1].f2 = 400.0f;
  d.block86.high.pairs[0] = {1.1f, -2.0f};
  d.block86.lowTemperature[0] = 0.002f;
  d.block86.lowTemperature[1] = 1e-5f;
  d.block86.highTemperature[0] = 0.001f;
  d.block83.type = kUserTurbidityBlock;
  d.block83.user.pointCount = 3;
  d.block83.user.groups[1].f2 = 60.0f;
  d.block83.user.pairs[0] = {1.0f, 0.1f};
  d.block83.user.pairs[1] = {0.95f, 2.0f};

  // board, temperature, transducer temperature, pressure, barometer, battery, pH, redox, oxygen,
  // ammonium, chloride, nitrate, turbidity high and low, optical oxygen.
  d.records = {
      {2150, 20000, 21000, 30000, 29400, 12346, 15000, 12000, 9000, 21000, 30000, 25000, 4000, 3000,
       30000},
      {2160, 20500, 21010, 30100, 29420, 12301, 25000, 12500, 9500, 22000, 31000, 26000, 9000, 8000,
       31000},
      {2170, 21000, 21020, 30250, 29380, 12288, 19000, 13000, 8800, 23000, 29000, 24000, 15000,
       12000, 29000},
      {2180, 19500, 21030, 29900, 29410, 12270, 21000, 11000, 9100, 20000, 30500, 25500, 2000, 0,
       30500},
  };
  return d;
}

struct GoldenCase {
  std::string name;
  LogFileDescription description;
};

std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  const std::pair<int, const char*> types[] = {{kLinearTestBlock, "linear"},
                                               {kLogarithmicTestBlock, "logarithmic"},
                                               {kEventTestBlock, "event"},
                                               {kLinearAverageTestBlock, "average"}};
  for (const auto& [type, name] : types) {
    cases.push_back({std::string("lodax_") + name, Lodax(type)});
    cases.push_back({std::string("vorta_") + name, Vorta(type)});
  }
  cases.push_back({"vorta_sensors", VortaSensors()});
  // The barometric logger of the Lodax family: its second reading is the barometer.
  LogFileDescription pellum = Lodax(kLinearTestBlock);
  pellum.deviceCode = 28;
  pellum.unitName = "BARO 1";
  cases.push_back({"pellum_linear", pellum});
  return cases;
}

// Every column of the table in table order, then every header section.
std::string AllColumnsTemplate() {
  std::string text = ",\n-----\n";
  for (const ColumnName& column : ColumnNameTable())
    text.append(column.displayName).push_back('\n');
  text +=
      "Header General Info Enabled\nHeader Device Info Enabled\nHeader Test Info Enabled\n"
      "Header Test Def Enabled\n";
  return text;
}

bool Updating() {
  const char* update = std::getenv("PELCON_UPDATE_GOLDEN");
  return update != nullptr && *update != '\0';
}

class GoldenConversionTest : public ::testing::TestWithParam<GoldenCase> {
 protected:
  testing::ScratchDirectory scratch;
  testing::ScopedEnvironment now{"PELCON_NOW", kNow};
  testing::ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
  testing::NoticeRecorder notices;
};

TEST_P(GoldenConversionTest, WholeCsvFileMatchesTheCheckedGolden) {
  const GoldenCase& golden = GetParam();
  const std::string bytes = [&] {
    const std::vector<std::uint8_t> built = test_support::Build(golden.description);
    return std::string(built.begin(), built.end());
  }();
  const std::string logPath = scratch.File(golden.name + ".bin");
  std::string templatePath = scratch.File("all_columns.bft");
  testing::WriteBytes(logPath, bytes);
  testing::WriteBytes(templatePath, AllColumnsTemplate());

  ASSERT_EQ(ConvertLogFile(logPath, templatePath, nullptr, nullptr), kResultOk);
  EXPECT_TRUE(notices.shown.empty());
  const std::string csv = testing::ReadBytes(logPath + ".csv");

  const std::filesystem::path goldenLog = kGoldenDirectory / (golden.name + ".bin");
  const std::filesystem::path goldenCsv = kGoldenDirectory / (golden.name + ".bin.csv");
  if (Updating()) {
    std::filesystem::create_directories(kGoldenDirectory);
    testing::WriteBytes(goldenLog.string(), bytes);
    testing::WriteBytes(goldenCsv.string(), csv);
    testing::WriteBytes((kGoldenDirectory / "all_columns.bft").string(), AllColumnsTemplate());
    GTEST_SKIP() << "wrote " << goldenCsv;
  }
  // The checker computed its values from this very log file.
  ASSERT_EQ(testing::ReadBytes(goldenLog.string()), bytes)
      << "the builder's output changed; regenerate the golden files";
  EXPECT_EQ(csv, testing::ReadBytes(goldenCsv.string()));
}

INSTANTIATE_TEST_SUITE_P(BothFamiliesAllTestTypes, GoldenConversionTest,
                         ::testing::ValuesIn(GoldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace pelcon
