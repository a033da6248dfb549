#include "export/header_report.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "datalib/calendar.hpp"
#include "datalib/number_text.hpp"
#include "datalib/text_codec.hpp"
#include "export/path_names.hpp"
#include "logfile/log_file.hpp"
#include "platform/clock.hpp"
#include "platform/path_encoding.hpp"

namespace pelcon {
namespace {

// The report's own separator, the one its file-derived values are quoted against.
constexpr std::string_view kReportSeparator = ",";

constexpr std::string_view kColumnLine =
    "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\n";

// Appends printf output; every pattern here fits the buffer with room to spare.
template <typename... Args>
void AppendFormat(std::string& out, const char* format, Args... args) {
  char line[160];
  const int length = std::snprintf(line, sizeof line, format, args...);
  if (length > 0) out.append(line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
}

// A label and one value taken from the file: the value is a field of its own.
void AppendLabelled(std::string& out, std::string_view label, std::string_view value) {
  out.append(label).append(kReportSeparator);
  AppendCsvField(out, value, kReportSeparator);
  out.push_back('\n');
}

// Fixed-width text of a block, up to its first zero.
template <std::size_t N>
std::string_view FixedText(const char (&text)[N]) {
  const void* zero = std::memchr(text, 0, N);
  return {text, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : N};
}

void AppendStampLine(std::string& out, const char* label, const Stamp& stamp) {
  if (stamp.year == 0) return;
  AppendFormat(out, "\"%s\",%4d/%02d/%02d %02d:%02d:%02d\n", label, stamp.year, stamp.month,
               stamp.day, stamp.hour, stamp.minute, stamp.second);
}

// "%5.2f" of the threshold, with a point in any locale.
void AppendDeltaThreshold(std::string& out, float threshold) {
  const std::string number = FormatFixed(static_cast<double>(threshold), 2);
  out.append("\"Data stored if delta value exceeds:\",");
  if (number.size() < 5) out.append(5 - number.size(), ' ');
  out.append(number).push_back('\n');
}

// Definitions in the order they are visited; the last filled-in one names the test.
const TestDefinitionHead* LastFilledInDefinition(const LogFile& log) {
  const LogBlocks& blocks = log.Blocks();
  const std::array<std::pair<int, const TestDefinitionHead*>, 4> definitions{{
      {kEventTestBlock, &blocks.eventTest.head},
      {kLinearTestBlock, &blocks.linearTest.head},
      {kLogarithmicTestBlock, &blocks.logarithmicTest.head},
      {kLinearAverageTestBlock, &blocks.linearAverageTest.head},
  }};
  const TestDefinitionHead* last = nullptr;
  for (const auto& [type, head] : definitions) {
    if (log.HasBlock(type) && head->filledIn != 0) last = head;
  }
  return last;
}

void WriteGeneral(std::string& out, std::string_view csvPath) {
  const DateTimeRecord now = platform::LocalNow();
  AppendFormat(out, "\"Report generated\",%04d/%02d/%02d %02d:%02d:%02d\n", now.year, now.month,
               now.day, now.hour, now.minute, now.second);
  // The report is Windows-1252 text, whatever the file system's names are.
  const std::string csvName = FileNameOf(csvPath);
  AppendLabelled(
      out, "\"Report from file:\"",
      platform::kPathsAreUtf8 ? *Utf8ToWindows1252(csvName, CodecMode::kLossy) : csvName);
  out.append("\n\n");
}

void WriteDevice(std::string& out, const LogFile& log) {
  out.append("\"Device type:\", ").append(log.Family().ModelName(log.DeviceCode())).push_back('\n');
  AppendFormat(out, "\"Serial number:\",%d\n", log.SerialNumber());
  AppendFormat(out, "\"Firmware version:\",%d\n", log.Blocks().block57.firmwareVersion);
  AppendLabelled(out, "\"Unit name:\"", UnitNameOf(log));
  out.append("\n\n");
}

void WriteTestInfo(std::string& out, const LogFile& log) {
  AppendLabelled(out, "\"Test name:\"", TestNameOf(log));
  AppendStampLine(out, "Test defined on:", log.Family().TestDefinedOn(log.Blocks()));
  if (const TestDefinitionHead* definition = LastFilledInDefinition(log)) {
    AppendStampLine(out, "Test scheduled for:", definition->scheduledStart);
  }

  DateTimeRecord started;
  JulianToDateTime(log.StartTime(), started);
  AppendFormat(out, "\"Test started on:\",%4d/%02d/%02d %02d:%02d:%02d\n", started.year,
               started.month, started.day, started.hour, started.minute, started.second);

  AppendStampLine(out, "Test stopped on:", log.Family().TestStoppedOn(log.Blocks()));
  out.append("\n\n");
}

void AppendInterval(std::string& out, const char* label, const Duration& interval) {
  AppendFormat(out, "\"%s\",\"%d\",\"%d\",\"%d\",\"%d\"\n", label, interval.days, interval.hours,
               interval.minutes, interval.seconds);
}

// The interval times the multiplier, in unsigned 32-bit seconds, split into days to seconds.
void AppendDefaultStoragePeriod(std::string& out, const EventTestDefinition& event) {
  const Duration& interval = event.interval;
  const std::uint32_t total =
      ((((std::uint32_t{interval.days} * 24 + interval.hours) * 60 + interval.minutes) * 60) +
       interval.seconds) *
      event.storageMultiplier;
  const std::uint32_t days = total / 86400;
  std::uint32_t rest = total - days * 86400;
  const std::uint32_t hours = rest / 3600;
  rest -= hours * 3600;
  const std::uint32_t minutes = rest / 60;
  const std::uint32_t seconds = rest - minutes * 60;
  AppendFormat(out, "\"Time between default storages:\",\"%u\",\"%u\",\"%u\",\"%u\"\n", days, hours,
               minutes, seconds);
}

void WriteTestDefinition(std::string& out, const LogFile& log) {
  const int testType = log.TestType();
  out.append("\"Test type:\",").append(TestTypeText(testType)).push_back('\n');
  if (TestTypeText(testType).empty()) return;

  const LogBlocks& blocks = log.Blocks();
  out.append(kColumnLine);
  switch (testType) {
    case kLinearTestBlock:
      AppendInterval(out, "Time between data points:", blocks.linearTest.interval);
      break;
    case kLogarithmicTestBlock:
      AppendInterval(out, "Maximum time between data points:", blocks.logarithmicTest.maxInterval);
      break;
    case kEventTestBlock:
      AppendInterval(out, "Time between data points:", blocks.eventTest.interval);
      AppendDefaultStoragePeriod(out, blocks.eventTest);
      AppendFormat(out, "\"Monitoring data on channel\",[%d]\n", blocks.eventTest.monitoredChannel);
      AppendDeltaThreshold(out, blocks.eventTest.deltaThreshold);
      break;
    default:
      AppendInterval(out, "Time between data points:", blocks.linearAverageTest.interval);
      AppendFormat(out, "\"Time between measurements:\",\"%d\",seconds.\n",
                   blocks.linearAverageTest.secondsBetweenMeasurements);
      AppendFormat(out, "\"Measurement count:\",\"%d\"\n",
                   blocks.linearAverageTest.measurementCount);
      break;
  }
  AppendFormat(out, "\"Number of data samples:\",%d\n\n\n", static_cast<int>(log.RowCount()));
}

}  // namespace

void WriteHeaderReport(std::string& out, unsigned sections, const LogFile& log,
                       std::string_view csvPath) {
  if (sections & kHeaderGeneral) WriteGeneral(out, csvPath);
  if (sections & kHeaderDevice) WriteDevice(out, log);
  if (sections & kHeaderTestInfo) WriteTestInfo(out, log);
  if (sections & kHeaderTestDefinition) WriteTestDefinition(out, log);
}

std::string TestNameOf(const LogFile& log) {
  const TestDefinitionHead* definition = LastFilledInDefinition(log);
  return definition ? std::string(FixedText(definition->name)) : std::string();
}

std::string UnitNameOf(const LogFile& log) {
  return std::string(FixedText(log.Blocks().block57.unitName));
}

std::string_view TestTypeText(int testType) {
  switch (testType) {
    case kLinearTestBlock:
      return "Linear";
    case kLogarithmicTestBlock:
      return "Logarithmic";
    case kEventTestBlock:
      return "Event";
    case kLinearAverageTestBlock:
      return "Linear Average";
    default:
      return {};
  }
}

void AppendCsvField(std::string& out, std::string_view field, std::string_view separator) {
  const bool needsQuotes = field.find_first_of("\"\r\n") != field.npos ||
                           (!separator.empty() && field.find(separator) != field.npos);
  if (!needsQuotes) {
    out.append(field);
    return;
  }
  out.push_back('"');
  for (char c : field) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

}  // namespace pelcon
