#include "jobs/compensate_job.hpp"

#include <gtest/gtest.h>

#include "jobs/convert_job.hpp"
#include "tests/jobs/job_folder.hpp"

namespace pelcon::jobs {
namespace {

using testing::CrLfLines;
using testing::JobFolder;

// The text before the first separator of each record line (those after the title line).
std::vector<std::string> FirstFields(const std::string& path) {
  const std::vector<std::string> lines = CrLfLines(path);
  std::vector<std::string> fields;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    fields.push_back(lines[k].substr(0, lines[k].find(',')));
  }
  return fields;
}

// The classic US time is the same text whichever job writes the record.
TEST(CompensateJob, UsTimesAreTheTimesConvertWrites) {
  JobFolder folder;
  // A level logger recording every minute from 2009-03-15 14:30:00; a barometer every two.
  test_support::LogFileDescription level = test_support::LodaxDescription();
  level.testStart = {2009, 3, 15, 14, 30, 0, 0};
  level.records.assign(3, {2150, 20000});
  const std::string levelPath = folder.WriteLog("well.bin", level);
  test_support::LogFileDescription barometer = level;
  barometer.deviceCode = 28;
  barometer.interval = {0, 0, 2, 0, 0};
  barometer.records = {{1800, 14500}, {1800, 14600}};
  const std::string barometerPath = folder.WriteLog("baro.bin", barometer);

  outputs::TextFormat text;
  text.time = outputs::TimeStyle::kUs;
  text.headerReport = false;
  ConvertOptions convert;
  convert.inputs = {levelPath};
  convert.columns = std::vector<std::string>{"Time - Time Stamp"};
  convert.format = text;
  const ConvertResult converted = Convert(convert);
  ASSERT_EQ(converted.outcomes.size(), 1u);
  ASSERT_EQ(converted.outcomes[0].status, FileStatus::kConverted) << converted.outcomes[0].error;

  CompensateOptions compensate;
  compensate.barometricFile = barometerPath;
  compensate.levelFiles = {levelPath};
  compensate.format = text;
  const CompensateResult compensated = Compensate(compensate);
  ASSERT_EQ(compensated.error, "");
  ASSERT_EQ(compensated.outcomes.size(), 1u);
  ASSERT_EQ(compensated.outcomes[0].status, FileStatus::kConverted)
      << compensated.outcomes[0].error;

  const std::vector<std::string> times = {"03/15/09 14:30:00", "03/15/09 14:31:00",
                                          "03/15/09 14:32:00"};
  EXPECT_EQ(FirstFields(folder.File("well.bin.csv")), times);
  EXPECT_EQ(FirstFields(folder.File("well.bin.compensated.csv")), times);
}

}  // namespace
}  // namespace pelcon::jobs
