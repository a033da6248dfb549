#pragma once

// A log file's conversion plan as a typed output's table.

#include <cstddef>
#include <string>
#include <vector>

#include "outputs/typed_series.hpp"
#include "plan/record_evaluator.hpp"

namespace pelcon::outputs {

// The plan's records, evaluated one at a time, in the order of the chosen columns.
class PlanRecords : public SeriesRecords {
 public:
  // columns: indexes into the plan's columns.
  PlanRecords(const ConversionPlan& plan, std::vector<std::size_t> columns);

  std::size_t Count() const override;
  bool Select(std::size_t record) override;
  CellValue Value(std::size_t column) override;
  CellValue RecordTime() const override;

 private:
  const ConversionPlan& plan_;
  std::vector<std::size_t> columns_;
  RecordEvaluator evaluator_;
};

// The description of a plan column, titled title (UTF-8).
SeriesColumn PlanSeriesColumn(const PlanColumn& column, std::string title);

}  // namespace pelcon::outputs
