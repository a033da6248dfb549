#include "cli/typed_output.hpp"

#include <filesystem>
#include <optional>

#include "cli/log_summary.hpp"
#include "cli/text_format.hpp"
#include "component/header_report.hpp"
#include "component/settings.hpp"
#include "datalib/calendar.hpp"
#include "outputs/netcdf_series.hpp"
#include "outputs/xlsx_workbook.hpp"
#include "plan/conversion_plan.hpp"
#include "platform/clock.hpp"
#include "platform/files.hpp"
#include "platform/staged_output.hpp"
#include "platform/staged_path_output.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {
namespace {

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string NowText() {
  double julian = 0.0;
  DateTimeToJulian(platform::LocalNow(), julian);
  return IsoTimeText(julian, TextFormat{});
}

outputs::TypedSeries SeriesOf(const ConversionPlan& plan, const ColumnChoice& choice,
                              const TextFormat& textFormat, const OutputTarget& target) {
  const LogFile& log = plan.Log();
  outputs::TypedSeries series;
  series.plan = &plan;
  for (const std::size_t column : ChosenColumns(plan, choice)) {
    series.columns.push_back({column, Windows1252AsUtf8(plan.Columns()[column].title)});
  }
  std::string report;
  WriteHeaderReport(report, ChosenHeaderSections(choice), log, target.output);
  series.header = outputs::SplitHeaderReport(Windows1252AsUtf8(report));
  const LogSummary summary = SummarizeLog(log);
  series.identity = {summary.deviceType, summary.serialNumber, summary.firmwareVersion,
                     Windows1252AsUtf8(summary.unitName), Windows1252AsUtf8(summary.testName)};
  series.sourceName = FileName(target.input);
  if (!choice.templatePath.empty()) series.templateName = FileName(choice.templatePath);
  series.version = VersionText();
  series.convertedAt = NowText();
  series.utcOffsetMinutes = textFormat.utcOffsetMinutes;
  return series;
}

}  // namespace

WriteResult WriteTypedOutput(OutputFormat format, LogFileReader& reader, const ColumnChoice& choice,
                             const TextFormat& textFormat, const OutputTarget& target,
                             const RecordCounter& counter) {
  int error = 0;
  std::optional<platform::StagedPathOutput> output =
      platform::StagedPathOutput::Create(target.output, error);
  if (!output) {
    return {WriteStatus::kFailed,
            "cannot create " + target.output + ": " + platform::FileErrorText(error)};
  }
  const LogFile& log = reader.Log();
  const ConversionPlan plan(log, ChosenColumnRequests(log, choice));
  const outputs::TypedSeries series = SeriesOf(plan, choice, textFormat, target);
  bool stopped = false;
  const outputs::RecordProgress progress = [&](std::size_t records) {
    stopped = !counter(records);
    return !stopped;
  };
  std::string message;
  const bool written =
      format == OutputFormat::kXlsx
          ? outputs::WriteWorkbook(series, output->Path(), output->Folder(), progress, message)
          : outputs::WriteNetcdfSeries(series, output->Path(), progress, message);
  if (!written) {
    if (stopped) return {WriteStatus::kStopped, {}};
    return {WriteStatus::kFailed, "cannot write " + target.output + ": " + message};
  }
  if (!output->Publish(target.replaceExisting)) {
    if (platform::IsExistsError(output->Error())) return {WriteStatus::kExists, {}};
    return {WriteStatus::kFailed,
            "cannot write " + target.output + ": " + platform::FileErrorText(output->Error())};
  }
  return {WriteStatus::kWritten, {}};
}

}  // namespace pelcon::cli
