#pragma once

// Loads a builder-made log file with the real calibration formulas and reads stage values of one
// row by name.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "logfile/calibration_formulas.hpp"
#include "logfile/log_loader.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon::calibration_test {

using test_support::LogFileDescription;

// F[k] of block 72 is factoryTable[k]; set S_a begins at F[31 + 16a].
inline float& FactorySetCoefficient(LogFileDescription& d, int set, int coefficient) {
  return d.factoryTable[static_cast<std::size_t>(31 + 16 * set + coefficient)];
}

// The IEC 60751 platinum sensor: R0 = 100, A = 3.9083e-3, Bc = -5.775e-7 in F[16..18].
inline void SetPlatinumSensor(LogFileDescription& d) {
  d.factoryTable[16] = 100.0f;
  d.factoryTable[17] = 3.9083e-3f;
  d.factoryTable[18] = -5.775e-7f;
}

class CalibratedLog {
 public:
  explicit CalibratedLog(const LogFileDescription& description) {
    const LoadResult result = LogLoader::Load(test_support::Build(description), log_);
    EXPECT_TRUE(result) << result.detail;
  }

  LogFile& log() { return log_; }

  // Makes row `index` current; a failed fetch fails the test and reads every value as absent.
  const DataRow* Fetch(std::size_t index) {
    const DataRow* row = log_.FetchRow(index);
    EXPECT_NE(row, nullptr) << "row " << index;
    return row;
  }

  // The value of a present name of the stage; NaN stands both for a failed value and, with a
  // test failure, for a name the file does not provide.
  static double Value(const DataRow* row, ValueStage stage, std::string_view name) {
    double value = 0.0;
    int presence = 0;
    if (row != nullptr) {
      switch (stage) {
        case ValueStage::kCooked:
          presence = row->GetCooked(name, value);
          break;
        case ValueStage::kBase:
          presence = row->GetBase(name, value);
          break;
        default:
          presence = row->GetUser(name, value);
          break;
      }
    }
    EXPECT_NE(presence, 0) << name << " is not provided";
    return presence != 0 ? value : std::numeric_limits<double>::quiet_NaN();
  }

 private:
  CalibrationFormulas formulas_;
  LogFile log_{formulas_};
};

inline double Cooked(const DataRow* row, std::string_view name) {
  return CalibratedLog::Value(row, ValueStage::kCooked, name);
}
inline double Base(const DataRow* row, std::string_view name) {
  return CalibratedLog::Value(row, ValueStage::kBase, name);
}
inline double User(const DataRow* row, std::string_view name) {
  return CalibratedLog::Value(row, ValueStage::kUser, name);
}

// A Vorta description with the given test definition codes and records, no calibration at all.
inline LogFileDescription VortaWith(std::vector<std::uint8_t> codes,
                                    std::vector<std::vector<std::uint16_t>> records) {
  LogFileDescription d = test_support::VortaDescription();
  d.channelCodes = std::move(codes);
  d.records = std::move(records);
  d.boardTemperature = {};
  d.pressureReference = 0.0f;
  return d;
}

// Temperature and turbidity (records: board, temperature, high-range reading, low-range
// reading). The temperature is 0 (S_0 gives R0); S_3 and S_4 pass the range readings through.
inline LogFileDescription TurbidityFile(std::vector<std::vector<std::uint16_t>> records) {
  LogFileDescription d = VortaWith({1, 4}, std::move(records));
  SetPlatinumSensor(d);
  FactorySetCoefficient(d, 0, 0) = 100.0f;
  FactorySetCoefficient(d, 3, 4) = 1.0f;
  FactorySetCoefficient(d, 4, 4) = 1.0f;
  return d;
}

}  // namespace pelcon::calibration_test
