#include "jobs/compensated_table.hpp"

#include <filesystem>

#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "jobs/compensated_layout.hpp"
#include "jobs/log_table.hpp"
#include "logfile/value_attribute_format.hpp"

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

class CompensatedCursor : public outputs::TableCursor {
 public:
  CompensatedCursor(const CompensationTable& table, const std::vector<CompensatedColumn>& columns)
      : table_(table), columns_(columns) {}

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

  // Times as the classic CSV files print them, numbers with the column's decimals.
  void AppendCellText(std::size_t column, std::string& out) override {
    const CellValue value = Value(column);
    if (value.type == CellValue::Type::kDateTime) {
      ValueFormat::AppendDateTime(value.number, out);
    } else if (value.type == CellValue::Type::kNumber) {
      out.append(outputs::DecimalText(value.number, columns_[column].decimals, false));
    }
  }

 private:
  const CompensationTable& table_;
  const std::vector<CompensatedColumn>& columns_;
  const CompensatedRecord* current_ = nullptr;
};

}  // namespace

CompensatedRecords::CompensatedRecords(const CompensationRun& run)
    : table_(run.table), columns_(CompensatedColumns(run.settings)) {}

std::size_t CompensatedRecords::Count() const {
  return table_.records.size();
}

std::unique_ptr<outputs::TableCursor> CompensatedRecords::NewCursor() const {
  return std::make_unique<CompensatedCursor>(table_, columns_);
}

outputs::TableDescription CompensatedDescription(const CompensationRun& run,
                                                 const outputs::TextFormat& format) {
  outputs::TableDescription series;
  for (const CompensatedColumn& column : CompensatedColumns(run.settings)) {
    const FieldNames names = NamesOf(column.field);
    outputs::TableColumn& described = series.columns.emplace_back();
    described.title = column.title;
    described.variableName = names.variable;
    described.kind = column.field == CompensatedField::kTime ? outputs::ColumnKind::kRecordTime
                                                             : outputs::ColumnKind::kNumber;
    described.units = column.units;
    described.standardName = names.standardName;
    described.decimals = column.decimals;
    described.plainText = true;
  }
  // The header section: as CSV lines in the format's times, and as fields in ISO 8601.
  series.headerText = "Compensated water levels\n";
  for (const std::vector<std::string>& line : CompensationHeaderLines(run, format)) {
    for (std::size_t k = 0; k < line.size(); ++k) {
      if (k > 0) series.headerText.push_back(',');
      AppendCsvField(series.headerText, line[k], ",");
    }
    series.headerText.push_back('\n');
  }
  series.headerText.push_back('\n');
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
  StampTable(series);
  return series;
}

}  // namespace pelcon::jobs
