#include "outputs/plan_series.hpp"

#include <string_view>
#include <utility>

#include "outputs/netcdf/cf_names.hpp"
#include "plan/conversion_plan.hpp"

namespace pelcon::outputs {
namespace {

constexpr std::string_view kRecordTimeValue = "TIMESTAMP";

SeriesKind KindOf(const PlanColumn& column) {
  switch (column.kind) {
    case CellKind::kNumber:
      return SeriesKind::kNumber;
    case CellKind::kDateTime:
      return column.valueName == kRecordTimeValue ? SeriesKind::kRecordTime : SeriesKind::kDateTime;
    case CellKind::kText:
      break;
  }
  return SeriesKind::kText;
}

}  // namespace

PlanRecords::PlanRecords(const ConversionPlan& plan, std::vector<std::size_t> columns)
    : plan_(plan), columns_(std::move(columns)), evaluator_(plan) {}

std::size_t PlanRecords::Count() const {
  return plan_.RecordCount();
}

bool PlanRecords::Select(std::size_t record) {
  return evaluator_.Select(record);
}

CellValue PlanRecords::Value(std::size_t column) {
  return evaluator_.Value(columns_[column]);
}

CellValue PlanRecords::RecordTime() const {
  return evaluator_.RecordTime();
}

SeriesColumn PlanSeriesColumn(const PlanColumn& column, std::string title) {
  SeriesColumn series;
  series.title = std::move(title);
  series.variableName = column.valueName;
  series.kind = KindOf(column);
  const CfDescription cf = CfDescriptionOf(column.valueName);
  series.units = cf.units;
  series.standardName = cf.standardName;
  series.decimals = column.decimals;
  series.significantDigits = column.significantDigits;
  return series;
}

}  // namespace pelcon::outputs
