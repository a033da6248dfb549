#pragma once

#include <cstddef>
#include <string>

#include "logfile/value_attribute_format.hpp"
#include "plan/cell_value.hpp"
#include "plan/row_value_lookup.hpp"

namespace pelcon {

// How one column's value is found for a record, resolved once per file. What the plan
// hands its evaluators.
struct ColumnProgram {
  enum class Source { kNothing, kFixed, kRecord, kDerived };
  Source source = Source::kNothing;
  RecordSlot record;            // kRecord
  std::size_t derivedNode = 0;  // kDerived: the plan's node of the value
  ValueFormat format;           // kRecord, kDerived
  CellValue fixedValue;         // kFixed
  std::string fixedText;        // kFixed: the cell text
};

}  // namespace pelcon
