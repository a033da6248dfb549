#include "cli/inspect_command.hpp"

#include <cstdio>

#include "cli/column_listing.hpp"
#include "cli/inspect_json.hpp"
#include "cli/json_text.hpp"
#include "cli/log_opening.hpp"
#include "cli/log_summary.hpp"
#include "cli/text_format.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {
namespace {

std::string TimeText(std::optional<double> julian) {
  return julian ? IsoTimeText(*julian, TextFormat{}) : std::string("-");
}

std::string SettingsText(const std::vector<ScheduleSetting>& settings) {
  std::string text;
  for (const ScheduleSetting& setting : settings) {
    if (!text.empty()) text += ", ";
    text += setting.name + " " + NumberText(setting.value);
  }
  return text;
}

void PrintLine(std::string_view label, const std::string& value) {
  std::printf("  %-15.*s %s\n", static_cast<int>(label.size()), label.data(), value.c_str());
}

void PrintSummary(const std::string& path, const LogSummary& s,
                  const std::vector<ListedColumn>& columns) {
  std::printf("%s\n", path.c_str());
  PrintLine("Device:", s.deviceType + " (" + s.family + ", code " + std::to_string(s.deviceCode) +
                           "), serial " + std::to_string(s.serialNumber) + ", firmware " +
                           std::to_string(s.firmwareVersion));
  PrintLine("Unit name:", Windows1252AsUtf8(s.unitName));
  PrintLine("Site:", SettingsText(s.site));
  PrintLine("Test:", Windows1252AsUtf8(s.testName) + " (" + s.testType + ")");
  PrintLine("Schedule:", SettingsText(s.schedule));
  PrintLine("Defined:", TimeText(s.definedOn));
  PrintLine("Scheduled for:", TimeText(s.scheduledFor));
  PrintLine("Started:", TimeText(s.startedOn));
  PrintLine("Stopped:", TimeText(s.stoppedOn));
  PrintLine("Records:", std::to_string(s.recordCount) + ", " + TimeText(s.firstRecord) + " to " +
                            TimeText(s.lastRecord));
  for (const ChannelSummary& c : s.channels) {
    PrintLine("Channel:", std::to_string(c.code) + " " + c.rawName +
                              (c.baseName.empty() ? std::string() : " -> " + c.baseName));
  }
  for (const ListedColumn& c : columns) {
    if (!c.supplied) continue;
    PrintLine("Column:", Windows1252AsUtf8(c.title) + " (" + c.valueName +
                             (c.unit.empty() ? std::string() : ", " + Windows1252AsUtf8(c.unit)) +
                             ")");
  }
  for (const CalibrationDate& c : s.calibrations) {
    PrintLine("Calibrated:", c.what + " " + TimeText(c.time));
  }
  for (const std::string& problem : s.loadProblems) PrintLine("Load problem:", problem);
}

}  // namespace

int RunInspect(const InspectOptions& options) {
  int exitCode = 0;
  for (const std::string& path : options.files) {
    LogFileReader reader;
    std::string error;
    if (!OpenLogFile(path, reader, error)) {
      exitCode = 1;
      if (options.json) {
        std::fputs(JsonLine(InspectErrorJson(path, error)).c_str(), stdout);
      } else {
        std::fprintf(stderr, "pelcon inspect: %s: %s\n", path.c_str(), error.c_str());
      }
      continue;
    }
    const LogSummary summary = SummarizeLog(reader.Log());
    const std::vector<ListedColumn> columns = FileColumnListing(reader);
    if (options.json) {
      std::fputs(JsonLine(InspectJson(path, summary, columns)).c_str(), stdout);
    } else {
      PrintSummary(path, summary, columns);
    }
  }
  return exitCode;
}

}  // namespace pelcon::cli
