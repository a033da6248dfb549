#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace pelcon {
class LogFile;
}

namespace pelcon::plot {

// One column of a log file as a plot shows it.
struct PlotSeries {
  std::string name;            // the column's title, Windows-1252 bytes
  std::string unit;            // its unit's abbreviation, Windows-1252; empty when it has none
  std::vector<double> values;  // one per record; NaN where the record has no value
};

// What a plot of a log file draws: number columns against record time.
struct LogPlot {
  std::string title;  // Windows-1252
  // Milliseconds since 1970-01-01 00:00 of the logger's own clock (no time zone), one per record.
  std::vector<double> times;
  std::vector<PlotSeries> series;
  // The titles of columns not read because their unit was one too many (Windows-1252).
  std::vector<std::string> leftOut;
};

// Milliseconds since 1970 of a Julian date, the instant the CSV file prints.
double JulianMilliseconds(double julian);

// "unit name, S/N serial, test name" from the file's header; parts the header leaves empty are
// left out.
std::string PlotTitle(const LogFile& log);

// The number columns among the display names (Windows-1252, letter case ignored) that the file
// supplies, in their order; without names every column of the table that the file supplies.
// Elapsed times are left out: the time axis shows them. A
// record without a time stamp is left out.
// With mostUnits, only the columns of the first that many units are read (a chart that shows
// no more needs no others); the rest are named in leftOut.
LogPlot ReadLogPlot(const LogFile& log, const std::optional<std::vector<std::string>>& columns,
                    std::size_t mostUnits = std::numeric_limits<std::size_t>::max());

}  // namespace pelcon::plot
