#include "plot/time_axis_labels.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "datalib/date_time_value.hpp"

namespace pelcon::plot {
namespace {

constexpr double kSecond = 1000.0;
constexpr double kMinute = 60 * kSecond;
constexpr double kHour = 60 * kMinute;
constexpr double kDay = 24 * kHour;
// Days from 1899-12-30, where the date-time value counts from, to 1970-01-01.
constexpr double kDaysTo1970 = 25569.0;

constexpr double kSteps[] = {1 * kSecond,  2 * kSecond,  5 * kSecond, 10 * kSecond, 15 * kSecond,
                             30 * kSecond, 1 * kMinute,  2 * kMinute, 5 * kMinute,  10 * kMinute,
                             15 * kMinute, 30 * kMinute, 1 * kHour,   2 * kHour,    3 * kHour,
                             6 * kHour,    12 * kHour,   1 * kDay,    2 * kDay,     7 * kDay};

double LabelCount(double first, double last, double step) {
  return std::floor(last / step) - std::ceil(first / step) + 1;
}

// The first step in the list that gives no more labels than most; past the list, twice the last
// until one does.
double StepFor(double first, double last, int most) {
  for (const double step : kSteps) {
    if (LabelCount(first, last, step) <= most) return step;
  }
  double step = kSteps[std::size(kSteps) - 1];
  while (LabelCount(first, last, step) > most) step *= 2;
  return step;
}

}  // namespace

std::string LoggerTimeText(double milliseconds) {
  DateTimeRecord time;
  if (!SplitDateTimeValue({milliseconds / kDay + kDaysTo1970}, time)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::vector<TimeAxisLabel> TimeAxisLabels(double firstMilliseconds, double lastMilliseconds,
                                          int mostLabels) {
  std::vector<TimeAxisLabel> labels;
  if (!(lastMilliseconds > firstMilliseconds) || mostLabels < 1) return labels;
  const double step = StepFor(firstMilliseconds, lastMilliseconds, mostLabels);
  std::string lastDate;
  for (double k = std::ceil(firstMilliseconds / step); k * step <= lastMilliseconds; ++k) {
    const std::string whole = LoggerTimeText(k * step);
    if (whole.empty()) continue;
    // "yyyy-MM-dd hh:mm:ss" cut to what the step needs; the date where it is new.
    const std::string date = whole.substr(0, 10);
    std::string text = date;
    if (step < kDay) {
      text = whole.substr(11, step < kMinute ? 8 : 5);
      if (date != lastDate) text = date + ' ' + text;
    }
    lastDate = date;
    labels.push_back({k * step, std::move(text)});
  }
  return labels;
}

}  // namespace pelcon::plot
