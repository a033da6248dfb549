#include "export/header_report.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

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

// printf output; every pattern here fits the buffer with room to spare.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[160];
  const int length = std::snprintf(text, sizeof text, format, args...);
  return length > 0 ? std::string(text, std::min(static_cast<std::size_t>(length), sizeof text - 1))
                    : std::string();
}

HeaderCell Quoted(std::string text) {
  return {std::move(text), HeaderCell::Style::kQuoted};
}

HeaderCell Plain(std::string text) {
  return {std::move(text), HeaderCell::Style::kPlain};
}

// A value taken from the file: a field of its own, quoted when it must be.
HeaderCell FromFile(std::string text) {
  return {std::move(text), HeaderCell::Style::kField};
}

void AddBlankLines(HeaderReport& report) {
  report.emplace_back();
  report.emplace_back();
}

std::string DateText(int year, int month, int day, int hour, int minute, int second) {
  return Format("%4d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
}

// Fixed-width text of a block, up to its first zero.
template <std::size_t N>
std::string_view FixedText(const char (&text)[N]) {
  const void* zero = std::memchr(text, 0, N);
  return {text, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : N};
}

void AddStampLine(HeaderReport& report, const char* label, const Stamp& stamp) {
  if (stamp.year == 0) return;
  report.push_back({{Quoted(label), Plain(DateText(stamp.year, stamp.month, stamp.day, stamp.hour,
                                                   stamp.minute, stamp.second))}});
}

// "%5.2f" of the threshold, with a point in any locale.
void AddDeltaThreshold(HeaderReport& report, float threshold) {
  std::string number = FormatFixed(static_cast<double>(threshold), 2);
  if (number.size() < 5) number.insert(0, 5 - number.size(), ' ');
  report.push_back({{Quoted("Data stored if delta value exceeds:"), Plain(std::move(number))}});
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

void AddGeneral(HeaderReport& report, std::string_view csvPath) {
  const DateTimeRecord now = platform::LocalNow();
  report.push_back({{Quoted("Report generated"),
                     Plain(Format("%04d/%02d/%02d %02d:%02d:%02d", now.year, now.month, now.day,
                                  now.hour, now.minute, now.second))}});
  // The report is Windows-1252 text, whatever the file system's names are.
  const std::string csvName = FileNameOf(csvPath);
  report.push_back(
      {{Quoted("Report from file:"),
        FromFile(platform::kPathsAreUtf8 ? *Utf8ToWindows1252(csvName, CodecMode::kLossy)
                                         : csvName)}});
  AddBlankLines(report);
}

void AddDevice(HeaderReport& report, const LogFile& log) {
  report.push_back({{Quoted("Device type:"),
                     Plain(" " + std::string(log.Family().ModelName(log.DeviceCode())))}});
  report.push_back({{Quoted("Serial number:"), Plain(std::to_string(log.SerialNumber()))}});
  report.push_back(
      {{Quoted("Firmware version:"), Plain(std::to_string(log.Blocks().block57.firmwareVersion))}});
  report.push_back({{Quoted("Unit name:"), FromFile(UnitNameOf(log))}});
  AddBlankLines(report);
}

void AddTestInfo(HeaderReport& report, const LogFile& log) {
  report.push_back({{Quoted("Test name:"), FromFile(TestNameOf(log))}});
  AddStampLine(report, "Test defined on:", log.Family().TestDefinedOn(log.Blocks()));
  if (const TestDefinitionHead* definition = LastFilledInDefinition(log)) {
    AddStampLine(report, "Test scheduled for:", definition->scheduledStart);
  }
  DateTimeRecord started;
  JulianToDateTime(log.StartTime(), started);
  report.push_back({{Quoted("Test started on:"),
                     Plain(DateText(started.year, started.month, started.day, started.hour,
                                    started.minute, started.second))}});
  AddStampLine(report, "Test stopped on:", log.Family().TestStoppedOn(log.Blocks()));
  AddBlankLines(report);
}

void AddInterval(HeaderReport& report, const char* label, long long days, long long hours,
                 long long minutes, long long seconds) {
  report.push_back({{Quoted(label), Quoted(std::to_string(days)), Quoted(std::to_string(hours)),
                     Quoted(std::to_string(minutes)), Quoted(std::to_string(seconds))}});
}

void AddInterval(HeaderReport& report, const char* label, const Duration& interval) {
  AddInterval(report, label, interval.days, interval.hours, interval.minutes, interval.seconds);
}

// The interval times the multiplier, in unsigned 32-bit seconds, split into days to seconds.
void AddDefaultStoragePeriod(HeaderReport& report, const EventTestDefinition& event) {
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
  AddInterval(report, "Time between default storages:", days, hours, minutes, seconds);
}

void AddTestDefinition(HeaderReport& report, const LogFile& log) {
  const int testType = log.TestType();
  report.push_back({{Quoted("Test type:"), Plain(std::string(TestTypeText(testType)))}});
  if (TestTypeText(testType).empty()) return;

  const LogBlocks& blocks = log.Blocks();
  report.push_back({{Quoted("                         "), Quoted("Days"), Quoted("Hours"),
                     Quoted("Mins"), Quoted("Secs")}});
  switch (testType) {
    case kLinearTestBlock:
      AddInterval(report, "Time between data points:", blocks.linearTest.interval);
      break;
    case kLogarithmicTestBlock:
      AddInterval(report, "Maximum time between data points:", blocks.logarithmicTest.maxInterval);
      break;
    case kEventTestBlock:
      AddInterval(report, "Time between data points:", blocks.eventTest.interval);
      AddDefaultStoragePeriod(report, blocks.eventTest);
      report.push_back({{Quoted("Monitoring data on channel"),
                         Plain(Format("[%d]", blocks.eventTest.monitoredChannel))}});
      AddDeltaThreshold(report, blocks.eventTest.deltaThreshold);
      break;
    default:
      AddInterval(report, "Time between data points:", blocks.linearAverageTest.interval);
      report.push_back(
          {{Quoted("Time between measurements:"),
            Quoted(std::to_string(blocks.linearAverageTest.secondsBetweenMeasurements)),
            Plain("seconds.")}});
      report.push_back({{Quoted("Measurement count:"),
                         Quoted(std::to_string(blocks.linearAverageTest.measurementCount))}});
      break;
  }
  report.push_back({{Quoted("Number of data samples:"),
                     Plain(std::to_string(static_cast<int>(log.RowCount())))}});
  AddBlankLines(report);
}

}  // namespace

HeaderReport MakeHeaderReport(unsigned sections, const LogFile& log, std::string_view csvPath) {
  HeaderReport report;
  if (sections & kHeaderGeneral) AddGeneral(report, csvPath);
  if (sections & kHeaderDevice) AddDevice(report, log);
  if (sections & kHeaderTestInfo) AddTestInfo(report, log);
  if (sections & kHeaderTestDefinition) AddTestDefinition(report, log);
  return report;
}

std::string RenderHeaderReport(const HeaderReport& report) {
  std::string text;
  for (const HeaderLine& line : report) {
    for (std::size_t k = 0; k < line.cells.size(); ++k) {
      if (k > 0) text.append(kReportSeparator);
      const HeaderCell& cell = line.cells[k];
      switch (cell.style) {
        case HeaderCell::Style::kPlain:
          text.append(cell.text);
          break;
        case HeaderCell::Style::kQuoted:
          text.append("\"").append(cell.text).append("\"");
          break;
        case HeaderCell::Style::kField:
          AppendCsvField(text, cell.text, kReportSeparator);
          break;
      }
    }
    text.push_back('\n');
  }
  return text;
}

std::vector<HeaderField> HeaderFieldsOf(const HeaderReport& report) {
  const auto trimmed = [](std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string();
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
  };
  std::vector<HeaderField> fields;
  for (const HeaderLine& line : report) {
    if (line.cells.empty()) continue;
    HeaderField& field = fields.emplace_back();
    field.label = trimmed(line.cells.front().text);
    if (!field.label.empty() && field.label.back() == ':') field.label.pop_back();
    for (std::size_t k = 1; k < line.cells.size(); ++k) {
      if (k > 1) field.value += ", ";
      field.value += trimmed(line.cells[k].text);
    }
  }
  return fields;
}

void WriteHeaderReport(std::string& out, unsigned sections, const LogFile& log,
                       std::string_view csvPath) {
  out.append(RenderHeaderReport(MakeHeaderReport(sections, log, csvPath)));
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
