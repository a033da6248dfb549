#pragma once

// A log file's conversion plan as a table for the output formats.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "outputs/table.hpp"
#include "plan/conversion_plan.hpp"

namespace pelcon::outputs {

// The plan's records in the order of the chosen columns; each cursor evaluates them on its own.
class PlanRecords : public TableRecords {
 public:
  // columns: indexes into the plan's columns.
  PlanRecords(const ConversionPlan& plan, std::vector<std::size_t> columns);

  std::size_t Count() const override;
  std::unique_ptr<TableCursor> NewCursor() const override;

 private:
  const ConversionPlan& plan_;
  std::vector<std::size_t> columns_;
};

// The description of a plan column, its title in Windows-1252 as stored.
TableColumn PlanTableColumn(const ConversionPlan& plan, std::size_t column);

}  // namespace pelcon::outputs
