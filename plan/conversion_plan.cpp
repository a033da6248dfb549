#include "plan/conversion_plan.hpp"

#include <cstdint>

#include "datalib/data_map.hpp"
#include "datalib/number_text.hpp"
#include "datalib/type_codes.hpp"
#include "logfile/log_file.hpp"
#include "logfile/value_attribute_table.hpp"
#include "plan/row_value_lookup.hpp"
#include "values/derived_value_compute.hpp"
#include "values/value_dictionary.hpp"

namespace pelcon {
namespace {

using Source = ColumnProgram::Source;

std::string AttributeText(ValueDictionary& dictionary, std::string_view name,
                          std::string_view attribute) {
  CDataMap result;
  dictionary.ResolveAttribute(name, attribute, result);
  std::string text;
  result.GetText(attribute, text);
  return text;
}

// A value that is the same in every record (a header value, or the fallback of a derived value
// the file cannot compute): asked of the dictionary once.
void ResolveOnce(ValueDictionary& dictionary, std::string_view name, ColumnProgram& program) {
  CDataMap result;
  if (dictionary.ResolveValue(name, result) == 0) return;
  dictionary.ResolveAttribute(name, kAttribValueStr, result);
  const std::string* text = result.FindText(kAttribValueStr);
  if (text == nullptr || text->empty()) return;
  program.source = Source::kFixed;
  program.fixedText = *text;
  double number = 0.0;
  std::int32_t integer = 0;
  if (result.GetDouble(name, &number) != 0) {
    program.fixedValue = {CellValue::Type::kNumber, number, nullptr};
  } else if (result.GetInt(name, &integer) != 0) {
    program.fixedValue = {CellValue::Type::kNumber, static_cast<double>(integer), nullptr};
  } else {
    program.fixedValue = {CellValue::Type::kText, 0.0, nullptr};
  }
}

void ResolveValue(ValueDictionary& dictionary, std::string_view name, DerivedNodes& derived,
                  ColumnProgram& program) {
  const ValueFunction function = dictionary.FindValueFunction(name);
  if (function == nullptr) return;
  if (function == FetchRowValue) {
    if (const std::optional<RecordSlot> record = FindRecordSlot(dictionary, name)) {
      program.source = Source::kRecord;
      program.record = *record;
    }
  } else if (function == FetchDerivedValue && IsDerivedValueAvailable(dictionary, name)) {
    program.source = Source::kDerived;
    program.derivedNode = derived.NodeOf(dictionary, name);
  } else {
    ResolveOnce(dictionary, name, program);
  }
}

void SelectStage(const RecordSlot& record, StageSelection& selection) {
  if (record.kind == RecordSlot::Kind::kStage) selection.Select(record.stage, record.slot);
}

}  // namespace

ConversionPlan::ConversionPlan(const LogFile& log, std::span<const PlanColumnRequest> columns)
    : log_(&log) {
  // The plan's dictionary only reads the file (it never selects a row of it).
  ValueDictionary dictionary;
  const bool valid = log.IsValid();
  if (valid) dictionary.AttachLogFile(const_cast<LogFile&>(log));
  for (const PlanColumnRequest& request : columns) {
    PlanColumn& column = columns_.emplace_back();
    ColumnProgram& program = programs_.emplace_back();
    column.title = request.title;
    if (request.fixedText) {
      program.source = Source::kFixed;
      program.fixedText = *request.fixedText;
      program.fixedValue.type = CellValue::Type::kText;
    } else if (valid && !request.valueName.empty()) {
      const std::string_view name = request.valueName;
      column.valueName = request.valueName;
      column.unit = AttributeText(dictionary, name, kAttribUnitsAbv);
      const std::string digits = AttributeText(dictionary, name, kAttribDigits);
      program.format = ValueFormat(AttributeText(dictionary, name, kAttribFormat),
                                   static_cast<int>(ReadInteger(digits)));
      column.kind = program.format.IsDateTime() ? CellKind::kDateTime : CellKind::kNumber;
      column.decimals = program.format.FixedDecimals();
      column.significantDigits = program.format.SignificantDigits();
      ResolveValue(dictionary, name, derived_, program);
      if (program.source == Source::kFixed && program.fixedValue.type == CellValue::Type::kText) {
        column.kind = CellKind::kText;
      }
    }
    column.supplied = program.source != Source::kNothing;
  }
  for (const ColumnProgram& program : programs_) {
    if (program.source == Source::kRecord) SelectStage(program.record, neededStages_);
  }
  for (const DerivedNode& node : derived_.Nodes()) {
    for (const DerivedOrigin& origin : node.origins) {
      if (origin.kind == DerivedOrigin::Kind::kRecord) SelectStage(origin.record, neededStages_);
    }
  }
  // The vector is complete: its texts stay where they are.
  for (ColumnProgram& program : programs_) {
    if (program.fixedValue.type == CellValue::Type::kText) {
      program.fixedValue.text = &program.fixedText;
    }
  }
}

ConversionPlan::~ConversionPlan() = default;

std::size_t ConversionPlan::RecordCount() const {
  return log_->RowCount();
}

}  // namespace pelcon
