#include "jobs/log_summary.hpp"

#include "export/header_report.hpp"
#include "logfile/log_file.hpp"
#include "logfile/record_clock.hpp"

namespace pelcon::jobs {
namespace {

// The Julian day of a stamp, nothing for an unset one (year 0).
std::optional<double> StampTime(const Stamp& stamp) {
  if (stamp.year == 0) return std::nullopt;
  return StampToJulian(stamp);
}

double Seconds(const Duration& duration) {
  return duration.Days() * 86400.0;
}

std::vector<ScheduleSetting> ScheduleOf(const LogFile& log) {
  const LogBlocks& blocks = log.Blocks();
  switch (log.TestType()) {
    case kLinearTestBlock:
      return {{"interval_seconds", Seconds(blocks.linearTest.interval)}};
    case kLogarithmicTestBlock:
      return {{"maximum_interval_seconds", Seconds(blocks.logarithmicTest.maxInterval)}};
    case kEventTestBlock:
      return {{"interval_seconds", Seconds(blocks.eventTest.interval)},
              {"storage_multiplier", static_cast<double>(blocks.eventTest.storageMultiplier)},
              {"monitored_channel", static_cast<double>(blocks.eventTest.monitoredChannel)},
              {"delta_threshold", static_cast<double>(blocks.eventTest.deltaThreshold)}};
    case kLinearAverageTestBlock:
      return {
          {"interval_seconds", Seconds(blocks.linearAverageTest.interval)},
          {"seconds_between_measurements",
           static_cast<double>(blocks.linearAverageTest.secondsBetweenMeasurements)},
          {"measurement_count", static_cast<double>(blocks.linearAverageTest.measurementCount)}};
    default:
      return {};
  }
}

std::vector<ScheduleSetting> SiteOf(const LogFile& log) {
  const Block35& site = log.Blocks().block35;
  return {{"latitude", static_cast<double>(site.latitude)},
          {"elevation", static_cast<double>(site.elevation)},
          {"specific_gravity", static_cast<double>(site.specificGravity)},
          {"density", static_cast<double>(site.density)},
          {"user_reference", static_cast<double>(site.userReference)},
          {"display_mode", static_cast<double>(site.displayMode)}};
}

void AddCalibration(std::vector<CalibrationDate>& out, std::string what, const Stamp& stamp) {
  if (const std::optional<double> time = StampTime(stamp)) out.push_back({std::move(what), *time});
}

// Calibration records exist in the blocks a Vorta file carries; a Lodax file has none dated.
std::vector<CalibrationDate> CalibrationsOf(const LogFile& log) {
  std::vector<CalibrationDate> dates;
  const LogBlocks& blocks = log.Blocks();
  if (log.HasBlock(kSensorPortBlock)) {
    for (int port = 0; port < 4; ++port) {
      const SensorPortEntry& entry = blocks.block76.ports[port];
      const std::string name = "sensor port " + std::to_string(port + 1);
      AddCalibration(dates, name + ", first channel", entry.first.stamp);
      AddCalibration(dates, name + ", second channel", entry.second.stamp);
    }
  }
  if (log.HasBlock(kTurbidityBlock)) {
    AddCalibration(dates, "turbidity high range", blocks.block86.high.stamp);
    AddCalibration(dates, "turbidity low range", blocks.block86.low.stamp);
  }
  if (log.HasBlock(kUserTurbidityBlock)) {
    AddCalibration(dates, "turbidity user calibration", blocks.block83.user.stamp);
  }
  return dates;
}

std::vector<ChannelSummary> ChannelsOf(const LogFile& log) {
  std::vector<ChannelSummary> channels;
  const StageNameTable& raw = log.StageTable(ValueStage::kRaw);
  const StageNameTable& base = log.StageTable(ValueStage::kBase);
  for (const std::uint8_t code : log.ChannelCodeList()) {
    ChannelSummary& channel = channels.emplace_back();
    channel.code = code;
    channel.rawName = raw.NameOf(raw.SlotOfCode(code));
    const int baseCode = log.Family().RawToBaseCode(code);
    if (baseCode >= 0) channel.baseName = base.NameOf(base.SlotOfCode(baseCode));
  }
  return channels;
}

std::optional<double> RowTime(const LogFile& log, std::size_t index) {
  double time = 0.0;
  if (index >= log.RowCount() || log.Row(index).GetTimestamp(time) == 0) return std::nullopt;
  return time;
}

}  // namespace

LogSummary SummarizeLog(const LogFile& log) {
  const LogBlocks& blocks = log.Blocks();
  LogSummary summary;
  summary.family = log.Family().Name();
  summary.deviceCode = log.DeviceCode();
  summary.deviceType = log.Family().ModelName(log.DeviceCode());
  summary.serialNumber = log.SerialNumber();
  summary.firmwareVersion = blocks.block57.firmwareVersion;
  summary.unitName = UnitNameOf(log);
  summary.testName = TestNameOf(log);
  summary.testType = TestTypeText(log.TestType());
  summary.schedule = ScheduleOf(log);
  summary.site = SiteOf(log);
  summary.definedOn = StampTime(log.Family().TestDefinedOn(blocks));
  for (const auto* head : {&blocks.eventTest.head, &blocks.linearTest.head,
                           &blocks.logarithmicTest.head, &blocks.linearAverageTest.head}) {
    if (head->type == log.TestType()) summary.scheduledFor = StampTime(head->scheduledStart);
  }
  summary.startedOn = log.StartTime();
  summary.stoppedOn = StampTime(log.Family().TestStoppedOn(blocks));
  summary.recordCount = log.RowCount();
  summary.firstRecord = RowTime(log, 0);
  if (log.RowCount() > 0) summary.lastRecord = RowTime(log, log.RowCount() - 1);
  summary.channels = ChannelsOf(log);
  summary.calibrations = CalibrationsOf(log);
  summary.loadProblems = log.LoadProblems();
  return summary;
}

}  // namespace pelcon::jobs
