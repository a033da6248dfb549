#include "jobs/typed_compensation.hpp"

#include <filesystem>

#include "datalib/text_codec.hpp"
#include "jobs/compensated_layout.hpp"
#include "outputs/typed_series_output.hpp"

namespace pelcon::jobs {
namespace {

// NetCDF variable names of the fields, and CF standard names where CF has one.
struct FieldNames {
  const char* variable;
  const char* standardName;
};

FieldNames NamesOf(CompensatedField field) {
  switch (field) {
    case CompensatedField::kTime:
      return {"time", ""};
    case CompensatedField::kPressure:
      return {"pressure", "sea_water_pressure"};
    case CompensatedField::kBarometricPressure:
      return {"barometric_pressure", "air_pressure"};
    case CompensatedField::kWaterColumn:
      return {"water_column", ""};
    case CompensatedField::kDepthToWater:
      return {"depth_to_water", ""};
    case CompensatedField::kElevation:
      return {"water_level_elevation", ""};
    case CompensatedField::kTemperature:
      return {"temperature", "sea_water_temperature"};
    case CompensatedField::kCompensated:
      return {"compensated", ""};
  }
  return {"", ""};
}

class CompensatedRecords : public outputs::SeriesRecords {
 public:
  CompensatedRecords(const CompensationTable& table, std::vector<CompensatedColumn> columns)
      : table_(table), columns_(std::move(columns)) {}

  std::size_t Count() const override { return table_.records.size(); }

  bool Select(std::size_t record) override {
    if (record >= table_.records.size()) return false;
    current_ = &table_.records[record];
    return true;
  }

  CellValue Value(std::size_t column) override {
    if (columns_[column].field == CompensatedField::kTime) return RecordTime();
    const std::optional<double> value = FieldValue(*current_, columns_[column].field);
    if (!value) return {};
    return {CellValue::Type::kNumber, *value, nullptr};
  }

  CellValue RecordTime() const override {
    return {CellValue::Type::kDateTime, current_->seconds / 86400, nullptr};
  }

 private:
  const CompensationTable& table_;
  std::vector<CompensatedColumn> columns_;
  const CompensatedRecord* current_ = nullptr;
};

outputs::TypedSeries SeriesOf(const CompensationRun& run,
                              const std::vector<CompensatedColumn>& columns) {
  outputs::TypedSeries series;
  for (const CompensatedColumn& column : columns) {
    const FieldNames names = NamesOf(column.field);
    outputs::SeriesColumn& described = series.columns.emplace_back();
    described.title = column.title;
    described.variableName = names.variable;
    described.kind = column.field == CompensatedField::kTime ? outputs::SeriesKind::kRecordTime
                                                             : outputs::SeriesKind::kNumber;
    described.units = column.units;
    described.standardName = names.standardName;
    described.decimals = column.decimals;
  }
  // The header section as the CSV file states it, its times in ISO 8601.
  for (std::vector<std::string>& line : CompensationHeaderLines(run, outputs::TextFormat{})) {
    std::string label = std::move(line.front());
    if (!label.empty() && label.back() == ':') label.pop_back();
    std::string value;
    for (std::size_t k = 1; k < line.size(); ++k) value += (k > 1 ? ", " : "") + line[k];
    series.header.push_back({std::move(label), std::move(value)});
  }
  const LogSummary& level = run.level;
  series.identity = {level.deviceType, level.serialNumber, level.firmwareVersion,
                     Windows1252AsUtf8(level.unitName), Windows1252AsUtf8(level.testName)};
  const auto fileName = [](const std::string& path) {
    return std::filesystem::path(path).filename().string();
  };
  series.sourceName = fileName(run.levelPath);
  series.history = "compensated " + series.sourceName + " with the barometric record " +
                   fileName(run.barometricPath);
  outputs::StampSeries(series);
  return series;
}

}  // namespace

outputs::WriteResult WriteTypedCompensation(outputs::OutputFormat format,
                                            const CompensationRun& run,
                                            const outputs::OutputTarget& target,
                                            const outputs::RecordCounter& counter) {
  const std::vector<CompensatedColumn> columns = CompensatedColumns(run.settings);
  const outputs::TypedSeries series = SeriesOf(run, columns);
  CompensatedRecords records(run.table, columns);
  return outputs::WriteTypedSeries(format, series, records, target, counter);
}

}  // namespace pelcon::jobs
