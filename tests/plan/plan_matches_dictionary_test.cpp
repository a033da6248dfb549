// The plan against its reference: every cell of every record of the golden log files, with every
// column, must be the value dictionary's GetCellText byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "component/column_name_table.hpp"
#include "component/conversion_driver.hpp"
#include "component/template_plan.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon {
namespace {

const std::filesystem::path kGoldenDirectory =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "e2e" / "golden";

std::vector<std::string> AllColumnEntries() {
  std::vector<std::string> entries;
  for (const ColumnName& column : ColumnNameTable()) entries.emplace_back(column.displayName);
  entries.emplace_back("no such column");
  return entries;
}

// Compares every cell; returns the number of cells compared.
std::size_t ExpectSameCells(LogFileReader& reader, const std::vector<std::string>& entries) {
  const std::vector<PlanColumnRequest> requests = TemplateColumnRequests(reader.Log(), entries);
  const ConversionPlan plan(reader.Log(), requests);
  RecordEvaluator evaluator(plan);
  std::size_t cells = 0;
  for (int index = reader.FirstRecord(); index != -1; index = reader.NextRecord(index)) {
    EXPECT_TRUE(evaluator.Select(static_cast<std::size_t>(index)));
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const std::string expected = GetCellText(&reader, entries[k]);
      EXPECT_EQ(evaluator.CellText(k), expected) << entries[k] << " at record " << index;
      EXPECT_EQ(plan.Columns()[k].supplied || expected.empty(), true) << entries[k];
      ++cells;
    }
  }
  return cells;
}

TEST(PlanMatchesDictionary, EveryCellOfTheGoldenFiles) {
  const std::vector<std::string> entries = AllColumnEntries();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kGoldenDirectory)) {
    if (entry.path().extension() != ".bin") continue;
    SCOPED_TRACE(entry.path().filename().string());
    LogFileReader reader;
    ASSERT_NE(reader.Open(entry.path().string()), 0);
    EXPECT_GT(ExpectSameCells(reader, entries), 0u);
    ++files;
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace pelcon
