// The plan against its reference on generated log files: both families, all four test types,
// thousands of records of random readings through random calibrations whose coefficients include
// NaN, infinities, huge and tiny numbers, with every column. Every cell must be the value
// dictionary's GetCellText, and the CSV file the same whatever the number of workers.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "export/column_name_table.hpp"
#include "tests/plan/plan_cell_comparison.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

using test_support::LogFileDescription;

constexpr int kRecords = 2000;

class RandomCalibration {
 public:
  // A wild calibration has a special coefficient about every 40th, a tame one every 4000th, so
  // that most values of most records are numbers.
  RandomCalibration(unsigned seed, bool wild) : random_(seed), oneIn_(wild ? 40 : 4000) {}

  // Mostly ordinary coefficients, now and then one that is not a number, infinite, huge, tiny or
  // zero.
  float Coefficient() {
    switch (Pick(oneIn_)) {
      case 0:
        return std::numeric_limits<float>::quiet_NaN();
      case 1:
        return Pick(2) ? std::numeric_limits<float>::infinity()
                       : -std::numeric_limits<float>::infinity();
      case 2:
        return Pick(2) ? 3e38f : -1e30f;
      case 3:
        return Pick(2) ? 1e-38f : -1e-30f;
      case 4:
        return 0.0f;
      default:
        return std::uniform_real_distribution<float>(-2.0f, 2.0f)(random_) *
               std::pow(10.0f, static_cast<float>(Pick(9)) - 5.0f);
    }
  }

  template <typename Range>
  void Fill(Range& range) {
    for (float& value : range) value = Coefficient();
  }

  std::uint16_t Reading() {
    switch (Pick(20)) {
      case 0:
        return 0;
      case 1:
        return 0xFFFF;
      default:
        return static_cast<std::uint16_t>(Pick(65536));
    }
  }

  unsigned Pick(unsigned count) {
    return std::uniform_int_distribution<unsigned>(0, count - 1)(random_);
  }

 private:
  std::mt19937 random_;
  unsigned oneIn_;
};

ChannelCalibrationRecord PortRecord(RandomCalibration& random, std::uint8_t parameterType) {
  ChannelCalibrationRecord record{};
  record.parameterType = parameterType;
  record.e = static_cast<std::uint8_t>(random.Pick(8));
  record.pointCount = static_cast<std::uint8_t>(1 + random.Pick(3));
  for (CalibrationGroup& group : record.groups) {
    group.f2 = random.Coefficient();
    group.f3 = random.Coefficient();
  }
  for (CalibrationPair& pair : record.pairs) pair = {random.Coefficient(), random.Coefficient()};
  return record;
}

void SetSite(RandomCalibration& random, LogFileDescription& d) {
  d.site.userReference = random.Coefficient();
  d.site.nowReference = random.Coefficient();
  d.site.specificGravity = random.Pick(4) == 0 ? random.Coefficient() : 1.0f;
  d.site.density = random.Pick(3) == 0 ? 0.0f : 1.0f;
  d.site.whenToReadReference = static_cast<std::uint8_t>(random.Pick(2));
  d.site.latitude = static_cast<std::uint8_t>(random.Pick(100));
  d.site.elevation = random.Coefficient();
}

void SetRecords(RandomCalibration& random, LogFileDescription& d, std::size_t readings) {
  d.records.assign(kRecords, std::vector<std::uint16_t>(readings));
  for (auto& record : d.records) {
    for (std::uint16_t& reading : record) reading = random.Reading();
  }
  d.eventSeconds.clear();
  for (int i = 0; i < kRecords; ++i) d.eventSeconds.push_back(static_cast<std::uint32_t>(i * 60));
}

LogFileDescription RandomLodax(unsigned seed, bool wild, int testType) {
  RandomCalibration random(seed, wild);
  LogFileDescription d = test_support::LodaxDescription();
  d.testType = testType;
  if (random.Pick(3) == 0) d.deviceCode = 28;  // the barometric logger
  random.Fill(d.lodaxPressure);
  random.Fill(d.lodaxTemperature);
  SetSite(random, d);
  SetRecords(random, d, 2);
  return d;
}

// A sonde with every sensor the columns show: temperature, pressure, barometer, battery,
// conductivity, pH and redox, oxygen, ammonium, chloride, nitrate, turbidity, optical oxygen.
LogFileDescription RandomVorta(unsigned seed, bool wild, int testType) {
  RandomCalibration random(seed, wild);
  LogFileDescription d = test_support::VortaDescription();
  d.deviceCode = 35;
  d.testType = testType;
  d.channelCodes = {1, 2, 3, 5, 45, 11, 12, 25, 31, 32, 42, 4, 17};
  random.Fill(d.boardTemperature);
  random.Fill(d.factoryTable);
  random.Fill(d.pressureCompensation);
  d.pressureReference = random.Coefficient();
  d.sensorPorts = {};
  d.sensorPorts[0] = {1, PortRecord(random, 4), PortRecord(random, 8)};
  d.sensorPorts[1] = {2, PortRecord(random, 7), PortRecord(random, 0)};
  d.sensorPorts[2] = {3, PortRecord(random, 13), PortRecord(random, 16)};
  d.sensorPorts[3] = {4, PortRecord(random, 0), PortRecord(random, 17)};
  d.optionalBlocks = {kBlock85, kTurbidityBlock, kUserTurbidityBlock};
  d.block86.type = kTurbidityBlock;
  d.block83.type = kUserTurbidityBlock;
  d.block83.user = PortRecord(random, 22);
  SetSite(random, d);
  SetRecords(random, d, 18);
  return d;
}

std::vector<LogFileDescription> RandomFiles() {
  std::vector<LogFileDescription> files;
  unsigned seed = 1;
  for (const int testType :
       {kLinearTestBlock, kLogarithmicTestBlock, kEventTestBlock, kLinearAverageTestBlock}) {
    for (const bool wild : {false, true}) {
      files.push_back(RandomLodax(seed++, wild, testType));
      files.push_back(RandomVorta(seed++, wild, testType));
    }
  }
  return files;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GeneratedFiles, EveryCellIsTheDictionarysAndTheCsvIsTheSameForAnyNumberOfWorkers) {
  testing::ScratchDirectory scratch;
  testing::ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  testing::ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
  testing::NoticeRecorder notices;
  const std::vector<std::string> entries = test::AllColumnEntries();
  std::string templateText = ",\n-----\n";
  for (const std::string& entry : entries) templateText.append(entry).push_back('\n');
  const std::string templatePath = scratch.File("all.bft");
  ASSERT_TRUE(test_support::WriteFile(templatePath, {templateText.begin(), templateText.end()}));

  int index = 0;
  for (const LogFileDescription& description : RandomFiles()) {
    const std::string logPath = scratch.File("random" + std::to_string(index++) + ".bin");
    SCOPED_TRACE(logPath);
    ASSERT_TRUE(test_support::WriteFile(logPath, test_support::Build(description)));
    EXPECT_EQ(test::ExpectSameCells(logPath, entries),
              static_cast<std::size_t>(kRecords) * entries.size());

    std::string first;
    for (const char* workers : {"1", "2", "7"}) {
      testing::ScopedEnvironment threads{"PELCON_THREADS", workers};
      std::string path = templatePath;
      ASSERT_EQ(ConvertLogFile(logPath, path, nullptr, nullptr), kResultOk);
      const std::string csv = ReadAll(logPath + ".csv");
      if (first.empty()) {
        first = csv;
        EXPECT_GT(csv.size(), static_cast<std::size_t>(kRecords) * entries.size());
      } else {
        EXPECT_TRUE(csv == first) << workers << " workers";
      }
    }
  }
  EXPECT_TRUE(notices.shown.empty());
}

}  // namespace
}  // namespace pelcon
