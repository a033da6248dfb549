#pragma once

// A Vorta sonde with every channel the derived values are computed from, for the derived value
// tests: temperature, pressure, barometer, conductivity, a Clark oxygen sensor on port 2, a redox
// sensor on port 1 and an optical oxygen sensor.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "datalib/data_map.hpp"
#include "tests/values/dictionary_test_files.hpp"
#include "values/value_dictionary.hpp"

namespace pelcon::test_support {

// Stage value codes of the chosen values: BASE temperature ("DEGREES_C"), USER pressure
// ("PSI"), BASE barometer ("BARO_PSI"), USER conductivity ("CTX_MICROSIEMENS"), USER Clark
// oxygen ("DO_MILLIGRAMS"), USER redox ("ORP_MILLIVOLTS"), USER optical oxygen
// ("OPD_MILLIGRAMS"). The optical sensor's stage slots share their names with those of the
// second optical sensor, whose slots answer for the name: "OPD_MILLIGRAMS" is bound to code 170
// and "COOKED_OPD_TEMP" is the reading of code 171.
inline constexpr int kTemperatureCode = 1;
inline constexpr int kPressureCode = 2;
inline constexpr int kBarometerCode = 3;
inline constexpr int kConductivityCode = 45;
inline constexpr int kClarkOxygenCode = 25;
inline constexpr int kRedoxCode = 11;
inline constexpr int kOpticalOxygenCode = 170;

// Two records one minute apart. The optical sensor's own temperature ("COOKED_OPD_TEMP") is 20.
inline LogFileDescription SondeDescription() {
  // Codes expand to 100, 1, 101, 2, 3, 146, 147, 148, 25, 11, 160, 161, 162, 163, 171.
  const std::vector<std::uint16_t> record{2150, 2000, 21000, 30000, 14700, 1000, 1000, 1000,
                                          800,  250,  900,   0,     0,     0,    20};
  LogFileDescription d = VortaWith({1, 2, 3, 45, 25, 11, 16, 171}, {record, record});
  d.sensorPorts[0].first.parameterType = 8;  // code 11: redox potential
  d.sensorPorts[1].first.parameterType = 7;  // code 25: dissolved oxygen
  return d;
}

// A log file attached to a dictionary with its first record selected.
class AttachedFile {
 public:
  explicit AttachedFile(const LogFileDescription& description,
                        const ChosenFormulas& formulas = ChosenFormulas())
      : file_(description, formulas) {
    if (file_.loaded) {
      dictionary_.AttachLogFile(file_.log);
      selected_ = dictionary_.SelectRow(0) == 1;
    }
  }

  bool ready() const { return selected_; }
  ValueDictionary& dictionary() { return dictionary_; }

  // Resolves the name into a fresh result map; the answer of the query.
  int Resolve(std::string_view name) {
    result_.Clear();
    return dictionary_.ResolveValue(name, result_);
  }
  // The double Resolve stored under the name (NaN when none).
  double Stored(std::string_view name) const {
    double value = NAN;
    result_.GetDouble(name, &value);
    return value;
  }
  std::int32_t ErrCode() const {
    std::int32_t code = -1;
    result_.GetInt(kErrCodeKey, &code);
    return code;
  }
  const CDataMap& result() const { return result_; }

 private:
  LoadedLog file_;
  ValueDictionary dictionary_;
  CDataMap result_;
  bool selected_ = false;
};

}  // namespace pelcon::test_support
