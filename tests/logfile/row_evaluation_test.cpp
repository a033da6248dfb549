// A row's three stages as the log file evaluates them with the calibration formulas.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/logfile/calibrated_log.hpp"

namespace pelcon::calibration_test {
namespace {

// Turbidity without a temperature channel: BASE_TURB fails; the battery does not.
LogFileDescription NoTemperature() {
  return VortaWith({4, 5}, {{0, 800, 5, 12000}, {0, 900, 5, 11000}});
}

TEST(RowEvaluation, OnlyAMissingRowFails) {
  CalibratedLog file(NoTemperature());
  EXPECT_EQ(file.log().FetchRow(2), nullptr);
  // Every value of the row failing or not, the row itself is evaluated.
  EXPECT_NE(file.log().FetchRow(0), nullptr);
}

TEST(RowEvaluation, FailedValuesAreNaNAbsentValuesZero) {
  CalibratedLog file(NoTemperature());
  const DataRow* row = file.Fetch(0);
  ASSERT_NE(row, nullptr);
  const StageNameTable& base = file.log().StageTable(ValueStage::kBase);
  const DataRowStages& stages = *row->Stages();
  EXPECT_TRUE(std::isnan(stages.base[static_cast<std::size_t>(base.SlotOfName("BASE_TURB"))]));
  EXPECT_EQ(stages.base[static_cast<std::size_t>(base.SlotOfName("BASE_COND"))], 0.0);
  EXPECT_EQ(stages.base[static_cast<std::size_t>(base.SlotOfName("BASE_BATT_V"))], 12.0);
  const StageNameTable& user = file.log().StageTable(ValueStage::kUser);
  EXPECT_TRUE(std::isnan(stages.user[static_cast<std::size_t>(user.SlotOfName("USER_TURB"))]));
  EXPECT_EQ(stages.user[static_cast<std::size_t>(user.SlotOfName("USER_BATT_V"))], 12.0);
}

}  // namespace
}  // namespace pelcon::calibration_test
