#include "jobs/inspect_json.hpp"

#include "jobs/json_text.hpp"

namespace pelcon::jobs {
namespace {

nlohmann::json SettingsJson(const std::vector<ScheduleSetting>& settings) {
  nlohmann::json object = nlohmann::json::object();
  for (const ScheduleSetting& setting : settings) object[setting.name] = setting.value;
  return object;
}

}  // namespace

nlohmann::json InspectJson(const std::string& path, const LogSummary& s,
                           const std::vector<ListedColumn>& columns) {
  nlohmann::json channels = nlohmann::json::array();
  for (const ChannelSummary& c : s.channels) {
    channels.push_back(
        {{"code", c.code},
         {"raw_name", c.rawName},
         {"base_name", c.baseName.empty() ? nlohmann::json() : nlohmann::json(c.baseName)}});
  }
  nlohmann::json columnList = nlohmann::json::array();
  for (const ListedColumn& c : columns) {
    if (!c.supplied) continue;
    columnList.push_back(ListedColumnJson(c, false));
  }
  nlohmann::json calibrations = nlohmann::json::array();
  for (const CalibrationDate& c : s.calibrations) {
    calibrations.push_back({{"what", c.what}, {"time", TimeJson(c.time)}});
  }
  return {{"schema", kInspectSchemaVersion},
          {"file", path},
          {"error", nullptr},
          {"device",
           {{"family", s.family},
            {"code", s.deviceCode},
            {"type", s.deviceType},
            {"serial_number", s.serialNumber},
            {"firmware_version", s.firmwareVersion},
            {"unit_name", Windows1252Json(s.unitName)}}},
          {"site", SettingsJson(s.site)},
          {"test",
           {{"name", Windows1252Json(s.testName)},
            {"type", s.testType},
            {"schedule", SettingsJson(s.schedule)},
            {"defined_on", TimeJson(s.definedOn)},
            {"scheduled_for", TimeJson(s.scheduledFor)},
            {"started_on", TimeJson(s.startedOn)},
            {"stopped_on", TimeJson(s.stoppedOn)}}},
          {"records",
           {{"count", s.recordCount},
            {"first", TimeJson(s.firstRecord)},
            {"last", TimeJson(s.lastRecord)}}},
          {"channels", channels},
          {"columns", columnList},
          {"calibrations", calibrations},
          {"load_problems", s.loadProblems}};
}

nlohmann::json InspectErrorJson(const std::string& path, const std::string& error) {
  return {{"schema", kInspectSchemaVersion}, {"file", path}, {"error", error}};
}

}  // namespace pelcon::jobs
