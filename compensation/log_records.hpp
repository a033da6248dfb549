#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compensation/compensation_table.hpp"

namespace pelcon {

class LogFile;

// The typed records compensation needs, read from a loaded log file through the conversion
// plan. Times are seconds of the logger's clock, to the millisecond. Nothing, with the reason in
// error, when the file lacks the channel.
std::optional<LevelRecords> ReadLevelRecords(const LogFile& log, std::string& error);
std::optional<std::vector<TimedValue>> ReadBarometricRecords(const LogFile& log,
                                                             std::string& error);

// Seconds, to the millisecond, of a Julian date.
double JulianSeconds(double julian);

}  // namespace pelcon
