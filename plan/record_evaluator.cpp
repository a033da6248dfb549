#include "plan/record_evaluator.hpp"

#include "logfile/log_file.hpp"
#include "plan/derived_lane.hpp"
#include "plan/printed_precision.hpp"

namespace pelcon {
namespace {

using Source = ColumnProgram::Source;

double StageValue(const DataRowStages& stages, ValueStage stage, int slot) {
  const auto at = [slot](const auto& values) {
    return static_cast<std::size_t>(slot) < values.size() ? values[static_cast<std::size_t>(slot)]
                                                          : 0.0;
  };
  switch (stage) {
    case ValueStage::kCooked:
      return at(stages.cooked);
    case ValueStage::kBase:
      return at(stages.base);
    case ValueStage::kUser:
      return at(stages.user);
    case ValueStage::kRaw:
      break;
  }
  return 0.0;
}

}  // namespace

// The row copy only reads its owner (slots by name); the file itself is never changed.
RecordEvaluator::RecordEvaluator(const ConversionPlan& plan)
    : plan_(plan), row_(const_cast<LogFile&>(plan.Log())) {
  row_.AttachStages(std::make_unique<DataRowStages>());
  if (plan.HasDerivedColumns()) derived_ = std::make_unique<DerivedLane>(plan.Log());
}

RecordEvaluator::~RecordEvaluator() = default;

bool RecordEvaluator::Select(std::size_t record) {
  selected_ = false;
  if (record >= plan_.RecordCount()) return false;
  row_.CopyReadingsFrom(plan_.Log().Row(record));
  plan_.Log().ComputeStagesOf(row_);
  if (derived_) derived_->Select(row_);
  selected_ = true;
  return true;
}

bool RecordEvaluator::Number(const ColumnProgram& program, double& number) {
  switch (program.source) {
    case Source::kRaw:
      // Stored as an integer, which its text holds exactly.
      number = row_.RawAt(program.slot);
      return true;
    case Source::kStage:
      number = RoundAsPrinted(StageValue(*row_.Stages(), program.stage, program.slot));
      return true;
    case Source::kTimestamp:
      row_.GetTimestamp(number);
      number = RoundAsPrinted(number);
      return true;
    case Source::kDerived: {
      const std::optional<double> value = derived_->Evaluate(program.derivedName);
      if (!value) return false;
      number = *value;
      return true;
    }
    case Source::kNothing:
    case Source::kFixed:
      break;
  }
  return false;
}

CellValue RecordEvaluator::Value(std::size_t column) {
  const ColumnProgram& program = plan_.Programs()[column];
  if (!selected_) return {};
  if (program.source == Source::kFixed) return program.fixedValue;
  double number = 0.0;
  if (!Number(program, number)) return {};
  const bool time = plan_.Columns()[column].kind == CellKind::kDateTime;
  return {time ? CellValue::Type::kDateTime : CellValue::Type::kNumber, number, nullptr};
}

void RecordEvaluator::AppendCellText(std::size_t column, std::string& out) {
  const ColumnProgram& program = plan_.Programs()[column];
  if (!selected_) return;
  if (program.source == Source::kFixed) {
    out.append(program.fixedText);
    return;
  }
  double number = 0.0;
  if (Number(program, number)) program.format.AppendNumber(number, out);
}

std::string RecordEvaluator::CellText(std::size_t column) {
  std::string text;
  AppendCellText(column, text);
  return text;
}

CellValue RecordEvaluator::RecordTime() const {
  if (!selected_) return {};
  double time = 0.0;
  row_.GetTimestamp(time);
  return {CellValue::Type::kDateTime, time, nullptr};
}

}  // namespace pelcon
