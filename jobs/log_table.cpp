#include "jobs/log_table.hpp"

#include <filesystem>

#include "datalib/calendar.hpp"
#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "export/settings.hpp"
#include "jobs/log_summary.hpp"
#include "platform/clock.hpp"

namespace pelcon::jobs {
namespace {

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

LogTable::LogTable(const LogFile& log, const ColumnChoice& choice, const std::string& inputPath,
                   const std::string& outputPath, std::optional<int> utcOffsetMinutes)
    : plan_(log, ChosenColumnRequests(log, choice)), records_(plan_, ChosenColumns(plan_, choice)) {
  outputs::TableDescription& table = description_;
  table.textEncoding = outputs::TextEncoding::kWindows1252;
  for (const std::size_t column : ChosenColumns(plan_, choice)) {
    table.columns.push_back(outputs::PlanTableColumn(plan_, column));
  }
  const HeaderReport report = MakeHeaderReport(ChosenHeaderSections(choice), log, outputPath);
  table.headerText = RenderHeaderReport(report);
  for (HeaderField& field : HeaderFieldsOf(report)) {
    table.header.push_back({Windows1252AsUtf8(field.label), Windows1252AsUtf8(field.value)});
  }
  const LogSummary summary = SummarizeLog(log);
  table.identity = {summary.deviceType, summary.serialNumber, summary.firmwareVersion,
                    Windows1252AsUtf8(summary.unitName), Windows1252AsUtf8(summary.testName)};
  table.sourceName = FileName(inputPath);
  table.history = "converted " + table.sourceName;
  if (!choice.templatePath.empty()) {
    table.templateName = FileName(choice.templatePath);
    table.history += " with " + table.templateName;
  }
  StampTable(table);
  table.utcOffsetMinutes = utcOffsetMinutes;
}

void StampTable(outputs::TableDescription& table) {
  double julian = 0.0;
  DateTimeToJulian(platform::LocalNow(), julian);
  table.convertedAt = outputs::IsoTimeText(julian, outputs::TextFormat{});
  table.version = VersionText();
}

}  // namespace pelcon::jobs
