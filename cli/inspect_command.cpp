#include "cli/inspect_command.hpp"

#include <cstdio>

#include "datalib/text_codec.hpp"
#include "jobs/column_listing.hpp"
#include "jobs/inspect_job.hpp"
#include "jobs/inspect_json.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_summary.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::cli {
namespace {

std::string TimeText(std::optional<double> julian) {
  return julian ? outputs::IsoTimeText(*julian, outputs::TextFormat{}) : std::string("-");
}

std::string SettingsText(const std::vector<jobs::ScheduleSetting>& settings) {
  std::string text;
  for (const jobs::ScheduleSetting& setting : settings) {
    if (!text.empty()) text += ", ";
    text += setting.name + " " + outputs::NumberText(setting.value);
  }
  return text;
}

void PrintLine(std::string_view label, const std::string& value) {
  std::printf("  %-15.*s %s\n", static_cast<int>(label.size()), label.data(), value.c_str());
}

void PrintSummary(const std::string& path, const jobs::LogSummary& s,
                  const std::vector<jobs::ListedColumn>& columns) {
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
  for (const jobs::ChannelSummary& c : s.channels) {
    PrintLine("Channel:", std::to_string(c.code) + " " + c.rawName +
                              (c.baseName.empty() ? std::string() : " -> " + c.baseName));
  }
  for (const jobs::ListedColumn& c : columns) {
    if (!c.supplied) continue;
    PrintLine("Column:", Windows1252AsUtf8(c.title) + " (" + c.valueName +
                             (c.unit.empty() ? std::string() : ", " + Windows1252AsUtf8(c.unit)) +
                             ")");
  }
  for (const jobs::CalibrationDate& c : s.calibrations) {
    PrintLine("Calibrated:", c.what + " " + TimeText(c.time));
  }
  for (const std::string& problem : s.loadProblems) PrintLine("Load problem:", problem);
}

}  // namespace

int RunInspect(const jobs::InspectOptions& options) {
  int exitCode = 0;
  for (const std::string& path : options.files) {
    const jobs::LogInspection inspection = jobs::InspectLogFile(path);
    if (!inspection.error.empty()) {
      exitCode = 1;
      if (options.json) {
        std::fputs(jobs::JsonLine(jobs::InspectErrorJson(path, inspection.error)).c_str(), stdout);
      } else {
        std::fprintf(stderr, "pelcon inspect: %s: %s\n", path.c_str(), inspection.error.c_str());
      }
      continue;
    }
    if (options.json) {
      std::fputs(
          jobs::JsonLine(jobs::InspectJson(path, inspection.summary, inspection.columns)).c_str(),
          stdout);
    } else {
      PrintSummary(path, inspection.summary, inspection.columns);
    }
  }
  return exitCode;
}

}  // namespace pelcon::cli
