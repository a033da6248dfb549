// What a plan says about its columns, from the value attribute table: the value, the unit, the
// kind and the digits, and whether the file can give the value at all.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/template_plan.hpp"
#include "logfile/calibration_formulas.hpp"
#include "logfile/log_loader.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

const std::vector<std::string> kEntries{"temperature (c)",        "Pressure (PSI)",
                                        "Barometric (milliBars)", "Time - Time Stamp",
                                        "Site - Unit Name",       "nothing at all"};

TEST(PlanColumns, DescribeTheValuesAndWhatTheFileCanGive) {
  const CalibrationFormulas formulas;
  LogFile log(formulas);
  const std::vector<std::uint8_t> bytes = test_support::Build(test_support::LodaxDescription());
  ASSERT_TRUE(LogLoader::Load(bytes, log));
  const ConversionPlan plan(log, TemplateColumnRequests(log, kEntries));
  const auto columns = plan.Columns();
  ASSERT_EQ(columns.size(), kEntries.size());

  // "%.2f" in degrees Celsius.
  EXPECT_EQ(columns[0].title, "temperature (c)");
  EXPECT_EQ(columns[0].valueName, "DEGREES_C");
  EXPECT_EQ(columns[0].unit, "C");
  EXPECT_EQ(columns[0].kind, CellKind::kNumber);
  EXPECT_EQ(columns[0].decimals, 2);
  EXPECT_TRUE(columns[0].supplied);
  // "%.3f" in psi.
  EXPECT_EQ(columns[1].unit, "psi");
  EXPECT_EQ(columns[1].decimals, 3);
  EXPECT_TRUE(columns[1].supplied);
  // Four significant digits; a level logger has no barometer.
  EXPECT_EQ(columns[2].significantDigits, 4);
  EXPECT_EQ(columns[2].decimals, -1);
  EXPECT_FALSE(columns[2].supplied);
  EXPECT_EQ(columns[3].kind, CellKind::kDateTime);
  EXPECT_TRUE(columns[3].supplied);
  EXPECT_EQ(columns[4].kind, CellKind::kText);
  EXPECT_TRUE(columns[4].supplied);
  EXPECT_EQ(columns[5].valueName, "");
  EXPECT_FALSE(columns[5].supplied);

  RecordEvaluator evaluator(plan);
  ASSERT_TRUE(evaluator.Select(0));
  EXPECT_EQ(evaluator.Value(0).type, CellValue::Type::kNumber);
  EXPECT_EQ(evaluator.Value(2).type, CellValue::Type::kNone);
  // The record time is the time stamp column's value, a Julian date; the column has it at the
  // dictionary's 15 digits, which leave 8 after the point.
  EXPECT_EQ(evaluator.Value(3).type, CellValue::Type::kDateTime);
  EXPECT_EQ(evaluator.RecordTime().type, CellValue::Type::kDateTime);
  EXPECT_NEAR(evaluator.Value(3).number, evaluator.RecordTime().number, 5e-9);
  const CellValue unit = evaluator.Value(4);
  ASSERT_EQ(unit.type, CellValue::Type::kText);
  EXPECT_EQ(*unit.text, "WELL 7");
  EXPECT_EQ(evaluator.CellText(5), "");
  EXPECT_FALSE(evaluator.Select(plan.RecordCount()));
  EXPECT_EQ(evaluator.Value(0).type, CellValue::Type::kNone);
}

}  // namespace
}  // namespace pelcon
