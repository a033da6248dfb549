#pragma once

// Log files for the value dictionary tests, built by the test support builder and loaded from
// memory, with stage values the test chooses instead of the instruments' calibration; and
// readers of what a value query leaves in its result map.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "datalib/data_map.hpp"

#include "logfile/log_file.hpp"
#include "logfile/log_loader.hpp"
#include "tests/support/echo_formulas.hpp"
#include "tests/support/log_file_builder.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon::test_support {

// Every COOKED, BASE and USER value is the raw reading it comes from (EchoFormulas), except the
// codes listed in base or user, which take the listed value (nullopt: cannot be computed).
class ChosenFormulas final : public StageFormulas {
 public:
  std::map<int, std::optional<double>> base;
  std::map<int, std::optional<double>> user;

  std::optional<double> Cooked(const LogFile& log, const DataRow& row, int code) const override {
    return echo_.Cooked(log, row, code);
  }
  std::optional<double> Base(const LogFile& log, const DataRow& row, int code) const override {
    const auto chosen = base.find(code);
    return chosen != base.end() ? chosen->second : echo_.Base(log, row, code);
  }
  std::optional<double> User(const LogFile& log, const DataRow& row, int code) const override {
    const auto chosen = user.find(code);
    return chosen != user.end() ? chosen->second : echo_.User(log, row, code);
  }

 private:
  EchoFormulas echo_;
};

// A loaded log file with its formulas; the formulas outlive the file.
struct LoadedLog {
  ChosenFormulas formulas;
  LogFile log{formulas};

  explicit LoadedLog(const LogFileDescription& description,
                     const ChosenFormulas& chosen = ChosenFormulas()) {
    formulas = chosen;
    loaded = static_cast<bool>(LogLoader::Load(Build(description), log));
  }
  bool loaded = false;
};

// A Vorta sonde whose records carry the board temperature and then the given codes' readings
// (code 2 expands to the transducer temperature 101 and the pressure 2). A test definition
// always holds two codes or more.
inline LogFileDescription VortaWith(std::vector<std::uint8_t> codes,
                                    std::vector<std::vector<std::uint16_t>> records) {
  LogFileDescription d = VortaDescription();
  d.channelCodes = std::move(codes);
  d.records = std::move(records);
  return d;
}

// What a value query left in its result map.
namespace result_keys {

inline std::int32_t ErrCode(const CDataMap& result) {
  std::int32_t code = -1;
  result.GetInt(kErrCodeKey, &code);
  return code;
}

inline std::string ErrStr(const CDataMap& result) {
  std::string text;
  result.GetString(kErrStrKey, &text);
  return text;
}

inline double Double(const CDataMap& result, std::string_view key) {
  double value = NAN;
  EXPECT_EQ(result.GetDouble(key, &value), 1) << key;
  return value;
}

inline std::int32_t Int(const CDataMap& result, std::string_view key) {
  std::int32_t value = -1;
  EXPECT_EQ(result.GetInt(key, &value), 1) << key;
  return value;
}

}  // namespace result_keys

}  // namespace pelcon::test_support
