// The plan against its reference: every cell of every record of the golden log files, with every
// column, must be the value dictionary's GetCellText byte for byte; and the values read without
// text must be the printed ones but for the final rounding.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "export/template_plan.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/printed_precision.hpp"
#include "plan/record_evaluator.hpp"
#include "tests/plan/plan_cell_comparison.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon {
namespace {

// The build names the source tree (also where the tests run under Wine, without ctest).
std::filesystem::path GoldenDirectory() {
  const std::filesystem::path tests = std::filesystem::path(PELCON_SOURCE_DIR) / "tests";
  return tests / "e2e" / "golden";
}

TEST(PlanMatchesDictionary, EveryCellOfTheGoldenFiles) {
  const std::vector<std::string> entries = test::AllColumnEntries();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GoldenDirectory())) {
    if (entry.path().extension() != ".bin") continue;
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_GT(test::ExpectSameCells(entry.path().string(), entries), 0u);
    ++files;
  }
  EXPECT_GE(files, 10);
}

// A computed-precision value differs from the printed one only in that it skipped the last
// rounding: rounded as printed, it is the printed value to the bit, and both have the same type.
TEST(PlanMatchesDictionary, ComputedValuesRoundToThePrintedOnes) {
  const std::vector<std::string> entries = test::AllColumnEntries();
  for (const auto& entry : std::filesystem::directory_iterator(GoldenDirectory())) {
    if (entry.path().extension() != ".bin") continue;
    SCOPED_TRACE(entry.path().filename().string());
    LogFileReader reader;
    ASSERT_NE(reader.Open(entry.path().string()), 0);
    const ConversionPlan plan(reader.Log(), TemplateColumnRequests(reader.Log(), entries));
    RecordEvaluator printed(plan);
    RecordEvaluator computed(plan, ValuePrecision::kComputed);
    for (std::size_t record = 0; record < plan.RecordCount(); ++record) {
      ASSERT_TRUE(printed.Select(record) && computed.Select(record));
      for (std::size_t k = 0; k < entries.size(); ++k) {
        const CellValue expected = printed.Value(k);
        const CellValue value = computed.Value(k);
        ASSERT_EQ(value.type, expected.type) << entries[k];
        if (value.type != CellValue::Type::kNumber) continue;
        if (std::isnan(expected.number)) {
          EXPECT_TRUE(std::isnan(value.number)) << entries[k] << " at record " << record;
        } else {
          EXPECT_EQ(RoundAsPrinted(value.number), expected.number)
              << entries[k] << " at record " << record;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pelcon
