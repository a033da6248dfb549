#include "outputs/plan_table.hpp"

#include <string_view>
#include <utility>

#include "outputs/cf_names.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"

namespace pelcon::outputs {
namespace {

constexpr std::string_view kRecordTimeValue = "TIMESTAMP";

ColumnKind KindOf(const PlanColumn& column) {
  switch (column.kind) {
    case CellKind::kNumber:
      return ColumnKind::kNumber;
    case CellKind::kDateTime:
      return column.valueName == kRecordTimeValue ? ColumnKind::kRecordTime : ColumnKind::kDateTime;
    case CellKind::kText:
      break;
  }
  return ColumnKind::kText;
}

class PlanCursor : public TableCursor {
 public:
  PlanCursor(const ConversionPlan& plan, const std::vector<std::size_t>& columns)
      : columns_(columns), evaluator_(plan) {}

  bool Select(std::size_t record) override { return evaluator_.Select(record); }
  CellValue Value(std::size_t column) override { return evaluator_.Value(columns_[column]); }
  CellValue RecordTime() const override { return evaluator_.RecordTime(); }
  void AppendCellText(std::size_t column, std::string& out) override {
    evaluator_.AppendCellText(columns_[column], out);
  }

 private:
  const std::vector<std::size_t>& columns_;
  RecordEvaluator evaluator_;
};

}  // namespace

PlanRecords::PlanRecords(const ConversionPlan& plan, std::vector<std::size_t> columns)
    : plan_(plan), columns_(std::move(columns)) {}

std::size_t PlanRecords::Count() const {
  return plan_.RecordCount();
}

std::unique_ptr<TableCursor> PlanRecords::NewCursor() const {
  return std::make_unique<PlanCursor>(plan_, columns_);
}

TableColumn PlanTableColumn(const ConversionPlan& plan, std::size_t index) {
  const PlanColumn& column = plan.Columns()[index];
  const ColumnProgram& program = plan.Programs()[index];
  TableColumn table;
  table.title = column.title;
  table.variableName = column.valueName;
  table.kind = KindOf(column);
  const CfDescription cf = CfDescriptionOf(column.valueName);
  table.units = cf.units;
  table.standardName = cf.standardName;
  table.decimals = column.decimals;
  table.significantDigits = column.significantDigits;
  table.supplied = column.supplied;
  if (program.source == ColumnProgram::Source::kFixed) table.fixedText = program.fixedText;
  table.plainText = program.format.PrintsPlainNumbers();
  return table;
}

}  // namespace pelcon::outputs
