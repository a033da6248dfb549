#include "cli/compensated_csv.hpp"

#include "component/header_report.hpp"
#include "datalib/calendar.hpp"
#include "datalib/date_time_value.hpp"

namespace pelcon::cli {
namespace {

// Digits after the point of the levels: a tenth of a millimetre in m and ft, in cm too.
int LevelDecimals(LevelUnit unit) {
  return unit == LevelUnit::kCentimetre ? 2 : 4;
}

class CsvText {
 public:
  explicit CsvText(const TextFormat& format) : format_(format) {}

  // A line of fields; text given as UTF-8.
  void Line(const std::vector<std::string>& fields) {
    bool first = true;
    for (const std::string& field : fields) {
      if (!first) text_.push_back(',');
      first = false;
      AppendCsvField(text_, Encoded(field), ",");
    }
    text_.append("\r\n");
  }

  std::string Take() { return std::move(text_); }

 private:
  std::string Encoded(const std::string& utf8) const {
    if (format_.encoding == TextEncoding::kUtf8) return utf8;
    return Utf8ToWindows1252(utf8).value_or(utf8);
  }

  const TextFormat& format_;
  std::string text_;
};

std::string Optional(const std::optional<double>& value, int decimals) {
  return value ? DecimalText(*value, decimals, false) : std::string();
}

std::string Windows1252Text(std::string_view bytes) {
  std::string utf8;
  AppendWindows1252AsUtf8(utf8, bytes);
  return utf8;
}

void LoggerLines(CsvText& csv, const std::string& what, const std::string& path,
                 const LogSummary& summary, const TextFormat& format) {
  const auto time = [&format](const std::optional<double>& julian) {
    return julian ? RecordTimeText(*julian * 86400, format) : std::string();
  };
  csv.Line({what + " file:", path});
  csv.Line({what + " logger:", summary.deviceType, std::to_string(summary.serialNumber),
            Windows1252Text(summary.unitName)});
  csv.Line({what + " records:", time(summary.firstRecord), time(summary.lastRecord)});
}

}  // namespace

std::string RecordTimeText(double seconds, const TextFormat& format) {
  const double julian = seconds / 86400;
  if (format.time == TimeStyle::kIso) return IsoTimeText(julian, format);
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  return FormatDateTimeText(MakeDateTimeValue(t.year, t.month, t.day, t.hour, t.minute, t.second));
}

std::string CompensatedCsv(const CompensationRun& run, const TextFormat& format) {
  const CompensationSettings& s = run.settings;
  const CompensationTable& table = run.table;
  const std::string unit(LevelUnitSymbol(s.unit));
  const int decimals = LevelDecimals(s.unit);
  CsvText csv(format);
  csv.Line({"Compensated water levels"});
  LoggerLines(csv, "Level", run.levelPath, run.level, format);
  LoggerLines(csv, "Barometric", run.barometricPath, run.barometric, format);
  csv.Line({"Barometric clock shift (min):", NumberText(s.barometricShiftSeconds / 60)});
  csv.Line({"Maximum gap (min):", NumberText(s.maxGapSeconds / 60)});
  csv.Line({"Density (kg/m3):", s.densityFromTemperature ? "from each record's temperature"
                                                         : NumberText(s.densityKgPerM3)});
  csv.Line({"Gravity (m/s2):", DecimalText(s.gravity, 6, false)});
  csv.Line({"Sensor offset (psi):", NumberText(s.offsetPsi)});
  for (const TimedValue& reading : s.depthToWater) {
    csv.Line({"Depth to water (" + unit + "):", RecordTimeText(reading.seconds, format),
              NumberText(reading.value)});
  }
  for (const TimedValue& reading : s.elevation) {
    csv.Line({"Water-level elevation (" + unit + "):", RecordTimeText(reading.seconds, format),
              NumberText(reading.value)});
  }
  if (table.depthToWaterDrift) {
    csv.Line({"Depth to water drift (" + unit + "):",
              DecimalText(*table.depthToWaterDrift, decimals, false)});
  }
  if (table.elevationDrift) {
    csv.Line(
        {"Elevation drift (" + unit + "):", DecimalText(*table.elevationDrift, decimals, false)});
  }
  csv.Line({"Records compensated:", std::to_string(table.compensatedCount)});
  csv.Line(
      {"Records not compensated:", std::to_string(table.records.size() - table.compensatedCount)});
  csv.Line({});

  std::vector<std::string> titles = {"Time", "Pressure (psi)", "Barometric pressure (psi)",
                                     "Water column (" + unit + ")"};
  const bool depthToWater = !s.depthToWater.empty();
  const bool elevation = !s.elevation.empty();
  if (depthToWater) titles.push_back("Depth to water (" + unit + ")");
  if (elevation) titles.push_back("Water-level elevation (" + unit + ")");
  titles.insert(titles.end(), {"Temperature (C)", "Compensated"});
  csv.Line(titles);
  std::string text = csv.Take();
  for (const CompensatedRecord& r : table.records) {
    text.append(RecordTimeText(r.seconds, format)).push_back(',');
    text.append(DecimalText(r.pressurePsi, 3, false)).push_back(',');
    text.append(Optional(r.barometricPsi, 3)).push_back(',');
    text.append(Optional(r.waterColumn, decimals)).push_back(',');
    if (depthToWater) text.append(Optional(r.depthToWater, decimals)).push_back(',');
    if (elevation) text.append(Optional(r.elevation, decimals)).push_back(',');
    text.append(Optional(r.celsius, 2)).push_back(',');
    text.append(r.waterColumn ? "1\r\n" : "0\r\n");
  }
  return text;
}

}  // namespace pelcon::cli
