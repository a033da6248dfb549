#pragma once

#include <string>

#include "datalib/data_row.hpp"
#include "logfile/value_attribute_format.hpp"
#include "plan/cell_value.hpp"

namespace pelcon {

// How one column's value is found for a record, resolved once per file. What the plan
// hands its evaluators.
struct ColumnProgram {
  enum class Source { kNothing, kFixed, kRaw, kStage, kTimestamp, kDerived };
  Source source = Source::kNothing;
  ValueStage stage = ValueStage::kRaw;  // kRaw, kStage
  int slot = -1;                        // kRaw, kStage
  std::string derivedName;              // kDerived: the name the dictionary computes
  ValueFormat format;                   // kRaw, kStage, kTimestamp, kDerived
  CellValue fixedValue;                 // kFixed
  std::string fixedText;                // kFixed: the cell text
};

}  // namespace pelcon
