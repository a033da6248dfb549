#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "datalib/data_row.hpp"
#include "plan/cell_value.hpp"
#include "plan/conversion_plan.hpp"

namespace pelcon {

// How precise the numbers of Value are.
enum class ValuePrecision {
  // What the cell text reads back as: the dictionary's "%.15g" precision.
  kPrinted,
  // A derived value that no other is computed from is left as computed, without the rounding that
  // only its text needs: equal to the cell text to its printed digits, half a unit in the 15th
  // significant digit apart at most. For readers that make no text.
  kComputed,
};

// Evaluates the records of a plan: one per thread. Select computes a record's stages once; every
// column's value and text are then read from them.
class RecordEvaluator {
 public:
  explicit RecordEvaluator(const ConversionPlan& plan,
                           ValuePrecision precision = ValuePrecision::kPrinted);
  ~RecordEvaluator();
  RecordEvaluator(const RecordEvaluator&) = delete;
  RecordEvaluator& operator=(const RecordEvaluator&) = delete;

  // Makes the record current; false (nothing current) when the file has no such record.
  bool Select(std::size_t record);

  // The column's value at the current record.
  CellValue Value(std::size_t column);
  // The number of a number column at the current record, as Value gives it; false when Value
  // gives none. For readers that fill arrays cell by cell.
  bool NumberOf(std::size_t column, double& number);
  // Appends the column's cell text at the current record (a kPrinted evaluator's): the value
  // dictionary's text, empty when the value cannot be given (the CSV writer shows its empty-field
  // text then).
  void AppendCellText(std::size_t column, std::string& out);
  std::string CellText(std::size_t column);
  // The current record's time stamp (a Julian date).
  CellValue RecordTime() const;

 private:
  // The number a record value or a derived value has at the current record, at the dictionary's
  // precision; false when it cannot be given.
  bool Number(const ColumnProgram& program, double& number);
  // A value of the record as the dictionary stores it: a raw reading as an integer, anything else
  // as a double at "%.15g" precision.
  double RecordNumber(const RecordSlot& record);
  // A stage value rounded as printed, once per record: derived values share their origins.
  double RoundedStageValue(ValueStage stage, int slot);
  // A derived value at the current record; false when it cannot be given.
  bool DerivedNumber(std::size_t node, double& number) const;
  // Computes a derived value from its origins, which are computed already.
  void ComputeNode(std::size_t node);

  // What a derived value is at the current record.
  struct NodeValue {
    double number = 0.0;
    bool given = false;
    bool rounded = false;  // kept rounded as printed (always where another node reads it)
  };

  const ConversionPlan& plan_;
  DataRow row_;  // a copy of the current record's readings, with its computed stages
  bool selected_ = false;
  std::vector<NodeValue> nodes_;
  // The nodes whose value depends on the record, in the plan's order (origins first): Select
  // computes them. The others are computed once, with the evaluator.
  std::vector<std::size_t> recordNodes_;
  // RoundedStageValue's values, by stage and slot, valid where their stamp is the record's.
  static constexpr std::size_t kStageSlots = 4 * kCookedSlotCount;
  std::vector<std::uint32_t> roundedStamps_ = std::vector<std::uint32_t>(kStageSlots, 0);
  std::vector<double> roundedValues_ = std::vector<double>(kStageSlots);
  std::uint32_t recordStamp_ = 0;
};

}  // namespace pelcon
