#pragma once

// What a loaded log file's header says, gathered once for `inspect` and for the reports of
// `convert`. Times are Julian day numbers in the logger's clock.

#include <optional>
#include <string>
#include <vector>

namespace pelcon {
class LogFile;
}

namespace pelcon::jobs {

struct ScheduleSetting {
  std::string name;  // "interval_seconds", "delta_threshold", ...
  double value;
};

struct ChannelSummary {
  int code;
  std::string rawName;
  std::string baseName;  // empty when the channel has no calibrated value
};

struct CalibrationDate {
  std::string what;  // "sensor port 1, first channel", "turbidity high range", ...
  double time;
};

struct LogSummary {
  std::string family;  // "Lodax" or "Vorta"
  int deviceCode = 0;
  std::string deviceType;
  int serialNumber = 0;
  int firmwareVersion = 0;
  std::string unitName;  // Windows-1252 bytes as stored
  std::string testName;  // Windows-1252 bytes as stored
  std::string testType;
  std::vector<ScheduleSetting> schedule;
  std::vector<ScheduleSetting> site;
  std::optional<double> definedOn, scheduledFor, stoppedOn;
  double startedOn = 0.0;
  std::size_t recordCount = 0;
  std::optional<double> firstRecord, lastRecord;
  std::vector<ChannelSummary> channels;
  std::vector<CalibrationDate> calibrations;
  std::vector<std::string> loadProblems;
};

LogSummary SummarizeLog(const LogFile& log);

}  // namespace pelcon::jobs
