#include "plot/time_axis_labels.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelcon::plot {
namespace {

constexpr double kMinute = 60 * 1000.0;
constexpr double kHour = 60 * kMinute;
// 2024-03-31 00:00: 19,723 days from 1970 to 2024 (54 years, 13 of them leap) and 90 more.
constexpr double kMarch31 = 19813 * 24 * kHour;
// 2009-03-15 14:30 (Unix 1237127400), a Sunday.
constexpr double kSondeStart = 1237127400000.0;

std::vector<std::string> Texts(const std::vector<TimeAxisLabel>& labels) {
  std::vector<std::string> texts;
  for (const TimeAxisLabel& label : labels) texts.push_back(label.text);
  return texts;
}

TEST(TimeAxisLabels, LoggerTimeTextIsTheClockAsWritten) {
  EXPECT_EQ(LoggerTimeText(kMarch31 + 2.5 * kHour), "2024-03-31 02:30:00");
  EXPECT_EQ(LoggerTimeText(kSondeStart + 7 * 1000.0), "2009-03-15 14:30:07");
}

TEST(TimeAxisLabels, TheSmallestStepThatFitsAtWholeTimes) {
  // Two hours: quarter hours would give nine labels, half hours five.
  const std::vector<TimeAxisLabel> hours =
      TimeAxisLabels(kMarch31 + 1.5 * kHour, kMarch31 + 3.5 * kHour, 8);
  EXPECT_EQ(Texts(hours),
            (std::vector<std::string>{"2024-03-31 01:30", "02:00", "02:30", "03:00", "03:30"}));
  EXPECT_EQ(hours[2].milliseconds, kMarch31 + 2.5 * kHour);

  // 46 seconds from 14:30:07: five-second steps give nine, ten-second steps five.
  EXPECT_EQ(Texts(TimeAxisLabels(kSondeStart + 7000, kSondeStart + 53000, 8)),
            (std::vector<std::string>{"2009-03-15 14:30:10", "14:30:20", "14:30:30", "14:30:40",
                                      "14:30:50"}));
}

TEST(TimeAxisLabels, DatesOnTheFirstLabelAndWhereTheDayChanges) {
  // 22:50 to 01:10 the next day: quarter hours would give nine labels, half hours five.
  EXPECT_EQ(Texts(TimeAxisLabels(kMarch31 - 70 * kMinute, kMarch31 + 70 * kMinute, 8)),
            (std::vector<std::string>{"2024-03-30 23:00", "23:30", "2024-03-31 00:00", "00:30",
                                      "01:00"}));
  // 36 days from Sunday 2009-03-15: weeks, counted from Thursday 1970-01-01, so Thursdays.
  EXPECT_EQ(Texts(TimeAxisLabels(kSondeStart, kSondeStart + 36 * 24 * kHour, 8)),
            (std::vector<std::string>{"2009-03-19", "2009-03-26", "2009-04-02", "2009-04-09",
                                      "2009-04-16"}));
}

}  // namespace
}  // namespace pelcon::plot
