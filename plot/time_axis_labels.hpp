#pragma once

#include <string>
#include <vector>

namespace pelcon::plot {

// A label of the time axis at a time of the logger's clock.
struct TimeAxisLabel {
  double milliseconds;  // since 1970-01-01 00:00 of the logger's clock
  std::string text;
};

// "2009-03-15 14:30:00": the logger's clock at milliseconds since 1970 (rounded to the second),
// the same whatever the machine's time zone and locale; empty outside the years 100 to 9999.
std::string LoggerTimeText(double milliseconds);

// Labels for the time range at whole steps of seconds, minutes, hours or days, the smallest step
// that gives at most mostLabels of them: "14:30:15" for steps under a minute, "14:30" under a
// day, "2009-03-15" for days; the first label and the first of each new day carry the date too
// ("2009-03-15 14:30").
std::vector<TimeAxisLabel> TimeAxisLabels(double firstMilliseconds, double lastMilliseconds,
                                          int mostLabels);

}  // namespace pelcon::plot
