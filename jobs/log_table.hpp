#pragma once

// A log file's conversion as a table for the output formats: its plan, its records and what is
// said about it, the same for every format and front end.

#include <memory>
#include <optional>
#include <string>

#include "export/column_choice.hpp"
#include "outputs/plan_table.hpp"
#include "plan/conversion_plan.hpp"

namespace pelcon::jobs {

class LogTable {
 public:
  // outputPath is the file being written, whose name the header report prints; utcOffsetMinutes
  // the logger clock's declared offset from UTC.
  LogTable(const LogFile& log, const ColumnChoice& choice, const std::string& inputPath,
           const std::string& outputPath, std::optional<int> utcOffsetMinutes);

  const ConversionPlan& Plan() const { return plan_; }
  const outputs::TableRecords& Records() const { return records_; }
  const outputs::TableDescription& Description() const { return description_; }

 private:
  ConversionPlan plan_;
  outputs::PlanRecords records_;
  outputs::TableDescription description_;
};

// Sets the converter version and the time the table is made.
void StampTable(outputs::TableDescription& table);

}  // namespace pelcon::jobs
