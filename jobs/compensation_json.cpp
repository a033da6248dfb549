#include "jobs/compensation_json.hpp"

#include "jobs/json_text.hpp"
#include "values/derived_value_calculations.hpp"

namespace pelcon::jobs {
namespace {

CompensationSettings SettingsOf(const CompensateOptions& options) {
  CompensationSettings settings;
  settings.maxGapSeconds = options.maxGapMinutes * 60;
  settings.barometricShiftSeconds = options.barometricOffsetMinutes * 60.0;
  settings.densityFromTemperature = options.densityFromTemperature;
  settings.offsetPsi = options.offsetPsi;
  settings.unit = options.unit;
  settings.depthToWater = options.depthToWater;
  settings.elevation = options.elevation;
  return settings;
}

std::optional<double> GravityOf(const CompensateOptions& options) {
  if (options.latitude) return GravityAt(*options.latitude, options.siteElevation.value_or(0.0));
  return options.gravity;
}

nlohmann::json ReadingsJson(const std::vector<TimedValue>& readings) {
  nlohmann::json list = nlohmann::json::array();
  for (const TimedValue& reading : readings) {
    list.push_back({{"time", TimeJson(reading.seconds / 86400)}, {"value", reading.value}});
  }
  return list;
}

nlohmann::json OptionalJson(const std::optional<double>& value) {
  return value ? nlohmann::json(*value) : nlohmann::json();
}

}  // namespace

CompensationRun CompensateWithOptions(const std::string& levelPath, const LogFile& level,
                                      const std::string& barometricPath,
                                      const LogSummary& barometric,
                                      const std::vector<TimedValue>& barometricRecords,
                                      const CompensateOptions& options) {
  LevelLogCompensation compensation = CompensateLevelLog(
      level, barometricRecords, SettingsOf(options), options.density, GravityOf(options));
  return {levelPath,
          barometricPath,
          SummarizeLog(level),
          barometric,
          std::move(compensation.settings),
          std::move(compensation.table)};
}

nlohmann::json CompensationJson(const CompensationRun& run) {
  const CompensationSettings& s = run.settings;
  return {{"barometric_file", run.barometricPath},
          {"barometric_serial_number", run.barometric.serialNumber},
          {"barometric_device", run.barometric.deviceType},
          {"barometric_first_record", TimeJson(run.barometric.firstRecord)},
          {"barometric_last_record", TimeJson(run.barometric.lastRecord)},
          {"barometric_clock_shift_minutes", s.barometricShiftSeconds / 60},
          {"max_gap_minutes", s.maxGapSeconds / 60},
          {"density_kg_m3",
           OptionalJson(s.densityFromTemperature ? std::nullopt : std::optional(s.densityKgPerM3))},
          {"density_from_temperature", s.densityFromTemperature},
          {"gravity_m_s2", s.gravity},
          {"offset_psi", s.offsetPsi},
          {"units", std::string(LevelUnitSymbol(s.unit))},
          {"depth_to_water", ReadingsJson(s.depthToWater)},
          {"elevation", ReadingsJson(s.elevation)},
          {"depth_to_water_drift", OptionalJson(run.table.depthToWaterDrift)},
          {"elevation_drift", OptionalJson(run.table.elevationDrift)},
          {"compensated", run.table.compensatedCount},
          {"not_compensated", run.table.records.size() - run.table.compensatedCount},
          {"warnings", run.table.warnings}};
}

}  // namespace pelcon::jobs
