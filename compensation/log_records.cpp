#include "compensation/log_records.hpp"

#include <cmath>

#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"

namespace pelcon {
namespace {

// Reads the columns of every record that has a time; the first column must be supplied.
// values[k] holds column k of each record read.
bool ReadColumns(const LogFile& log, const std::vector<PlanColumnRequest>& requests,
                 std::vector<double>& seconds,
                 std::vector<std::vector<std::optional<double>>>& values) {
  const ConversionPlan plan(log, requests);
  if (!plan.Columns()[0].supplied) return false;
  values.assign(requests.size(), {});
  RecordEvaluator evaluator(plan);
  for (std::size_t record = 0; record < plan.RecordCount() && evaluator.Select(record); ++record) {
    const CellValue time = evaluator.RecordTime();
    const CellValue first = evaluator.Value(0);
    if (time.type != CellValue::Type::kDateTime || first.type != CellValue::Type::kNumber) {
      continue;
    }
    seconds.push_back(JulianSeconds(time.number));
    for (std::size_t column = 0; column < requests.size(); ++column) {
      const CellValue value = evaluator.Value(column);
      values[column].push_back(value.type == CellValue::Type::kNumber
                                   ? std::optional<double>(value.number)
                                   : std::nullopt);
    }
  }
  return true;
}

}  // namespace

double JulianSeconds(double julian) {
  return std::round(julian * 86400000.0) / 1000.0;
}

std::optional<LevelRecords> ReadLevelRecords(const LogFile& log, std::string& error) {
  LevelRecords level;
  std::vector<std::vector<std::optional<double>>> values;
  if (!ReadColumns(log, {{"", "PSI", {}}, {"", "DEGREES_C", {}}}, level.seconds, values)) {
    error = "the level file has no pressure channel";
    return std::nullopt;
  }
  for (const std::optional<double>& pressure : values[0]) level.pressurePsi.push_back(*pressure);
  level.celsius = std::move(values[1]);
  return level;
}

std::optional<std::vector<TimedValue>> ReadBarometricRecords(const LogFile& log,
                                                             std::string& error) {
  std::vector<double> seconds;
  std::vector<std::vector<std::optional<double>>> values;
  if (!ReadColumns(log, {{"", "BARO_PSI", {}}}, seconds, values)) {
    error = "the barometric file has no barometric channel";
    return std::nullopt;
  }
  std::vector<TimedValue> barometric;
  for (std::size_t k = 0; k < seconds.size(); ++k)
    barometric.push_back({seconds[k], *values[0][k]});
  return barometric;
}

}  // namespace pelcon
