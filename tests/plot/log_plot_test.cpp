#include "plot/log_plot.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/log_file_builder.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::plot {
namespace {

TEST(LogPlot, JulianDatesBecomeMillisecondsSince1970) {
  // 2440587.5 is 1970-01-01 00:00; 2009-03-15 00:00 is 14,318 days later (Unix 1237075200).
  EXPECT_EQ(JulianMilliseconds(2440587.5), 0.0);
  EXPECT_EQ(JulianMilliseconds(2454905.5), 1237075200000.0);
  EXPECT_EQ(JulianMilliseconds(2454905.5 + 14.5 / 24), 1237127400000.0);
}

TEST(LogPlot, NumberColumnsOfTheFileAgainstRecordTime) {
  // A level logger writing one record a minute from 2009-03-15 14:30; record k reads 10000 + k,
  // which its calibration makes (10000 + k) / 1000 psi.
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.records.clear();
  for (std::uint16_t k = 0; k < 5; ++k)
    d.records.push_back({2150, static_cast<std::uint16_t>(10000 + k)});
  const std::string path =
      (std::filesystem::temp_directory_path() / "pelcon-log-plot-test.bin").string();
  ASSERT_TRUE(test_support::WriteFile(path, test_support::Build(d)));
  LogFileReader reader;
  ASSERT_NE(reader.Open(path), 0);
  std::filesystem::remove(path);

  // The time stamp, elapsed time and a text column are no series; a column the file cannot
  // supply neither.
  const LogPlot plot = ReadLogPlot(
      reader.Log(), std::vector<std::string>{"Time - Time Stamp", "Time - Elapsed (Hours)",
                                             "pressure (psi)", "Site - Unit Name", "pH"});
  EXPECT_EQ(plot.title, "WELL 7, S/N 4711, PUMP TEST");
  ASSERT_EQ(plot.series.size(), 1u);
  EXPECT_EQ(plot.series[0].name, "pressure (psi)");
  EXPECT_EQ(plot.series[0].unit, "psi");
  ASSERT_EQ(plot.times.size(), 5u);
  ASSERT_EQ(plot.series[0].values.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(plot.times[k], 1237127400000.0 + 60000.0 * k);
    // The calibration computes in single precision.
    EXPECT_NEAR(plot.series[0].values[k], (10000.0 + k) / 1000.0, 1e-5);
  }

  // Without a list of columns, a measured quantity takes the first axis and the temperature the
  // other, rather than the temperature in C and in F taking both.
  const LogPlot defaults = ReadLogPlot(reader.Log(), std::nullopt, 2);
  ASSERT_GE(defaults.series.size(), 2u);
  EXPECT_EQ(defaults.series[0].name, "Pressure (kPa)");
  EXPECT_EQ(defaults.series[1].name, "Temperature (C)");
  EXPECT_NE(std::find(defaults.leftOut.begin(), defaults.leftOut.end(), "Temperature (F)"),
            defaults.leftOut.end());
}

TEST(ReadLogPlot, RecordsOfAClockSetBackAreDrawnInTimeOrder) {
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.testType = kEventTestBlock;
  d.records = {{2150, 10000}, {2150, 10001}, {2150, 10002}};
  d.eventSeconds = {0, 120, 60};  // the third record is a minute before the second
  const std::string path =
      (std::filesystem::temp_directory_path() / "pelcon-log-plot-order-test.bin").string();
  ASSERT_TRUE(test_support::WriteFile(path, test_support::Build(d)));
  LogFileReader reader;
  ASSERT_NE(reader.Open(path), 0);
  std::filesystem::remove(path);

  const LogPlot plot = ReadLogPlot(reader.Log(), std::vector<std::string>{"pressure (psi)"});
  ASSERT_EQ(plot.times.size(), 3u);
  ASSERT_EQ(plot.series.size(), 1u);
  // 2009-03-15 14:30 is 1237127400 s after 1970; the readings follow their times.
  const double start = 1237127400000.0;
  EXPECT_EQ(plot.times, (std::vector<double>{start, start + 60000.0, start + 120000.0}));
  EXPECT_NEAR(plot.series[0].values[0], 10.000, 1e-5);
  EXPECT_NEAR(plot.series[0].values[1], 10.002, 1e-5);
  EXPECT_NEAR(plot.series[0].values[2], 10.001, 1e-5);
}

}  // namespace
}  // namespace pelcon::plot
