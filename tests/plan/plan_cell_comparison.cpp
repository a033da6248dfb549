#include "tests/plan/plan_cell_comparison.hpp"

#include <gtest/gtest.h>

#include "component/conversion_driver.hpp"
#include "export/column_name_table.hpp"
#include "export/template_plan.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::test {

std::vector<std::string> AllColumnEntries() {
  std::vector<std::string> entries;
  for (const ColumnName& column : ColumnNameTable()) entries.emplace_back(column.displayName);
  entries.emplace_back("no such column");
  return entries;
}

std::size_t ExpectSameCells(const std::string& logPath, const std::vector<std::string>& entries) {
  LogFileReader reader;
  if (reader.Open(logPath) == 0) {
    ADD_FAILURE() << "cannot load " << logPath;
    return 0;
  }
  const std::vector<PlanColumnRequest> requests = TemplateColumnRequests(reader.Log(), entries);
  const ConversionPlan plan(reader.Log(), requests);
  RecordEvaluator evaluator(plan);
  std::size_t cells = 0;
  for (int index = reader.FirstRecord(); index != -1; index = reader.NextRecord(index)) {
    EXPECT_TRUE(evaluator.Select(static_cast<std::size_t>(index)));
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const std::string expected = GetCellText(&reader, entries[k]);
      EXPECT_EQ(evaluator.CellText(k), expected) << entries[k] << " at record " << index;
      // A column the plan calls unsupplied never has a text.
      if (!plan.Columns()[k].supplied) {
        EXPECT_EQ(expected, "") << entries[k];
      }
      ++cells;
    }
  }
  return cells;
}

}  // namespace pelcon::test
