#include "jobs/compensated_layout.hpp"

#include "logfile/value_attribute_format.hpp"

#include "datalib/calendar.hpp"
#include "datalib/date_time_value.hpp"
#include "datalib/text_codec.hpp"

namespace pelcon::jobs {
namespace {

// Digits after the point of the levels: a tenth of a millimetre in m and ft, in cm too.
int LevelDecimals(LevelUnit unit) {
  return unit == LevelUnit::kCentimetre ? 2 : 4;
}

using HeaderLines = std::vector<std::vector<std::string>>;

void AddLoggerLines(HeaderLines& lines, const std::string& what, const std::string& path,
                    const LogSummary& summary, const outputs::TextFormat& format) {
  const auto time = [&format](const std::optional<double>& julian) {
    return julian ? RecordTimeText(*julian * 86400, format) : std::string();
  };
  lines.push_back({what + " file:", path});
  lines.push_back({what + " logger:", summary.deviceType, std::to_string(summary.serialNumber),
                   Windows1252AsUtf8(summary.unitName)});
  lines.push_back({what + " records:", time(summary.firstRecord), time(summary.lastRecord)});
}

}  // namespace

std::vector<CompensatedColumn> CompensatedColumns(const CompensationSettings& settings) {
  const std::string unit(LevelUnitSymbol(settings.unit));
  const int decimals = LevelDecimals(settings.unit);
  std::vector<CompensatedColumn> columns = {
      {CompensatedField::kTime, "Time", "", 0},
      {CompensatedField::kPressure, "Pressure (psi)", "psi", 3},
      {CompensatedField::kBarometricPressure, "Barometric pressure (psi)", "psi", 3},
      {CompensatedField::kWaterColumn, "Water column (" + unit + ")", unit, decimals}};
  if (!settings.depthToWater.empty()) {
    columns.push_back(
        {CompensatedField::kDepthToWater, "Depth to water (" + unit + ")", unit, decimals});
  }
  if (!settings.elevation.empty()) {
    columns.push_back(
        {CompensatedField::kElevation, "Water-level elevation (" + unit + ")", unit, decimals});
  }
  columns.push_back({CompensatedField::kTemperature, "Temperature (C)", "degree_Celsius", 2});
  columns.push_back({CompensatedField::kCompensated, "Compensated", "", 0});
  return columns;
}

std::optional<double> FieldValue(const CompensatedRecord& record, CompensatedField field) {
  switch (field) {
    case CompensatedField::kTime:
      return std::nullopt;
    case CompensatedField::kPressure:
      return record.pressurePsi;
    case CompensatedField::kBarometricPressure:
      return record.barometricPsi;
    case CompensatedField::kWaterColumn:
      return record.waterColumn;
    case CompensatedField::kDepthToWater:
      return record.depthToWater;
    case CompensatedField::kElevation:
      return record.elevation;
    case CompensatedField::kTemperature:
      return record.celsius;
    case CompensatedField::kCompensated:
      return record.waterColumn ? 1.0 : 0.0;
  }
  return std::nullopt;
}

std::vector<std::vector<std::string>> CompensationHeaderLines(const CompensationRun& run,
                                                              const outputs::TextFormat& format) {
  const CompensationSettings& s = run.settings;
  const CompensationTable& table = run.table;
  const std::string unit(LevelUnitSymbol(s.unit));
  const int decimals = LevelDecimals(s.unit);
  HeaderLines lines;
  AddLoggerLines(lines, "Level", run.levelPath, run.level, format);
  AddLoggerLines(lines, "Barometric", run.barometricPath, run.barometric, format);
  lines.push_back(
      {"Barometric clock shift (min):", outputs::NumberText(s.barometricShiftSeconds / 60)});
  lines.push_back({"Maximum gap (min):", outputs::NumberText(s.maxGapSeconds / 60)});
  lines.push_back({"Density (kg/m3):", s.densityFromTemperature
                                           ? "from each record's temperature"
                                           : outputs::NumberText(s.densityKgPerM3)});
  lines.push_back({"Gravity (m/s2):", outputs::DecimalText(s.gravity, 6, false)});
  lines.push_back({"Sensor offset (psi):", outputs::NumberText(s.offsetPsi)});
  for (const TimedValue& reading : s.depthToWater) {
    lines.push_back({"Depth to water (" + unit + "):", RecordTimeText(reading.seconds, format),
                     outputs::NumberText(reading.value)});
  }
  for (const TimedValue& reading : s.elevation) {
    lines.push_back({"Water-level elevation (" + unit + "):",
                     RecordTimeText(reading.seconds, format), outputs::NumberText(reading.value)});
  }
  if (table.depthToWaterDrift) {
    lines.push_back({"Depth to water drift (" + unit + "):",
                     outputs::DecimalText(*table.depthToWaterDrift, decimals, false)});
  }
  if (table.elevationDrift) {
    lines.push_back({"Elevation drift (" + unit + "):",
                     outputs::DecimalText(*table.elevationDrift, decimals, false)});
  }
  lines.push_back({"Records compensated:", std::to_string(table.compensatedCount)});
  lines.push_back(
      {"Records not compensated:", std::to_string(table.records.size() - table.compensatedCount)});
  return lines;
}

std::string RecordTimeText(double seconds, const outputs::TextFormat& format) {
  const double julian = seconds / 86400;
  if (format.time == outputs::TimeStyle::kIso) return outputs::IsoTimeText(julian, format);
  std::string text;
  ValueFormat::AppendDateTime(julian, text);
  return text;
}

}  // namespace pelcon::jobs
