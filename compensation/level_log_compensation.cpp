#include "compensation/level_log_compensation.hpp"

#include <algorithm>

#include "compensation/level_file_constants.hpp"
#include "compensation/log_records.hpp"

namespace pelcon {

LevelLogCompensation CompensateLevelLog(const LogFile& level,
                                        const std::vector<TimedValue>& barometric,
                                        CompensationSettings settings,
                                        std::optional<double> densityKgPerM3,
                                        std::optional<double> gravity) {
  LevelLogCompensation result;
  const LevelFileConstants constants = LevelFileConstantsOf(level);
  settings.densityKgPerM3 = densityKgPerM3.value_or(constants.densityKgPerM3);
  settings.gravity = gravity.value_or(constants.gravity);
  result.settings = settings;
  const std::optional<LevelRecords> records = ReadLevelRecords(level, result.table.error);
  if (!records) return result;
  if (settings.densityFromTemperature &&
      std::none_of(records->celsius.begin(), records->celsius.end(),
                   [](const std::optional<double>& celsius) { return celsius.has_value(); })) {
    result.table.error = "the level file has no temperature to take the density from";
    return result;
  }
  result.table = Compensate(*records, barometric, settings);
  return result;
}

}  // namespace pelcon
