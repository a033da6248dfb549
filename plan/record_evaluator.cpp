#include "plan/record_evaluator.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "logfile/log_file.hpp"
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
RecordEvaluator::RecordEvaluator(const ConversionPlan& plan, ValuePrecision precision)
    : plan_(plan), row_(const_cast<LogFile&>(plan.Log())) {
  row_.AttachStages(std::make_unique<DataRowStages>());
  const std::vector<DerivedNode>& nodes = plan.DerivedValueNodes();
  nodes_.resize(nodes.size());
  std::vector<bool> readsRecord(nodes.size(), false);
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    nodes_[k].rounded = nodes_[k].rounded || precision == ValuePrecision::kPrinted;
    for (const DerivedOrigin& origin : nodes[k].origins) {
      if (origin.kind == DerivedOrigin::Kind::kRecord) readsRecord[k] = true;
      if (origin.kind == DerivedOrigin::Kind::kDerived) {
        readsRecord[k] = readsRecord[k] || readsRecord[origin.node];
        nodes_[origin.node].rounded = true;
      }
    }
    if (readsRecord[k]) recordNodes_.push_back(k);
  }
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    if (!readsRecord[k]) ComputeNode(k);
  }
}

RecordEvaluator::~RecordEvaluator() = default;

bool RecordEvaluator::Select(std::size_t record) {
  selected_ = false;
  if (record >= plan_.RecordCount()) return false;
  plan_.Log().CopyRecord(record, row_);
  plan_.Log().ComputeStagesOf(row_, plan_.NeededStages());
  if (++recordStamp_ == 0) {  // wrapped around: no stamp may look current
    std::fill(roundedStamps_.begin(), roundedStamps_.end(), 0);
    recordStamp_ = 1;
  }
  for (const std::size_t node : recordNodes_) ComputeNode(node);
  selected_ = true;
  return true;
}

double RecordEvaluator::RoundedStageValue(ValueStage stage, int slot) {
  const std::size_t index =
      static_cast<std::size_t>(stage) * kCookedSlotCount + static_cast<std::size_t>(slot);
  if (slot < 0 || slot >= kCookedSlotCount) {
    return RoundAsPrinted(StageValue(*row_.Stages(), stage, slot));
  }
  if (roundedStamps_[index] != recordStamp_) {
    roundedValues_[index] = RoundAsPrinted(StageValue(*row_.Stages(), stage, slot));
    roundedStamps_[index] = recordStamp_;
  }
  return roundedValues_[index];
}

double RecordEvaluator::RecordNumber(const RecordSlot& record) {
  switch (record.kind) {
    case RecordSlot::Kind::kRaw:
      return row_.RawAt(record.slot);
    case RecordSlot::Kind::kStage:
      return RoundedStageValue(record.stage, record.slot);
    case RecordSlot::Kind::kTimestamp:
      break;
  }
  double time = 0.0;
  row_.GetTimestamp(time);
  return RoundAsPrinted(time);
}

void RecordEvaluator::ComputeNode(std::size_t index) {
  const DerivedNode& node = plan_.DerivedValueNodes()[index];
  std::array<double, kMostDerivedOrigins> numbers;
  std::array<std::int32_t, kMostDerivedOrigins> flags;
  const std::size_t count = std::min(node.origins.size(), kMostDerivedOrigins);
  for (std::size_t i = 0; i < count; ++i) {
    const DerivedOrigin& origin = node.origins[i];
    numbers[i] = origin.number;
    flags[i] = origin.flag;
    if (origin.kind == DerivedOrigin::Kind::kRecord) {
      const double value = RecordNumber(origin.record);
      if (origin.record.kind == RecordSlot::Kind::kRaw) {
        numbers[i] = std::numeric_limits<double>::quiet_NaN();
        flags[i] = static_cast<std::int32_t>(value);
      } else {
        numbers[i] = value;
        flags[i] = DerivedInputs::kNoFlag;
      }
    } else if (origin.kind == DerivedOrigin::Kind::kDerived && nodes_[origin.node].given) {
      numbers[i] = nodes_[origin.node].number;
      flags[i] = DerivedInputs::kNoFlag;
    }
  }
  std::optional<double> value;
  if (node.compute != nullptr && node.familyKnown) {
    value = node.compute({std::span<const double>(numbers.data(), count),
                          std::span<const std::int32_t>(flags.data(), count), node.family});
  }
  NodeValue& result = nodes_[index];
  result.given = value.has_value();
  if (value) result.number = result.rounded ? RoundAsPrinted(*value) : *value;
}

bool RecordEvaluator::DerivedNumber(std::size_t index, double& number) const {
  number = nodes_[index].number;
  return nodes_[index].given;
}

bool RecordEvaluator::Number(const ColumnProgram& program, double& number) {
  switch (program.source) {
    case Source::kRecord:
      number = RecordNumber(program.record);
      return true;
    case Source::kDerived:
      return DerivedNumber(program.derivedNode, number);
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

bool RecordEvaluator::NumberOf(std::size_t column, double& number) {
  const ColumnProgram& program = plan_.Programs()[column];
  if (!selected_) return false;
  if (program.source == Source::kFixed) {
    number = program.fixedValue.number;
    return program.fixedValue.type == CellValue::Type::kNumber;
  }
  return Number(program, number);
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
