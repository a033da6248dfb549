#include "jobs/typed_output.hpp"

#include <filesystem>

#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "jobs/log_summary.hpp"
#include "outputs/plan_series.hpp"
#include "outputs/text_format.hpp"
#include "outputs/typed_series_output.hpp"
#include "plan/conversion_plan.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {
namespace {

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

outputs::TypedSeries SeriesOf(const ConversionPlan& plan, const std::vector<std::size_t>& columns,
                              const ColumnChoice& choice, const outputs::TextFormat& textFormat,
                              const outputs::OutputTarget& target) {
  const LogFile& log = plan.Log();
  outputs::TypedSeries series;
  for (const std::size_t column : columns) {
    const PlanColumn& planColumn = plan.Columns()[column];
    series.columns.push_back(
        outputs::PlanSeriesColumn(planColumn, Windows1252AsUtf8(planColumn.title)));
  }
  std::string report;
  WriteHeaderReport(report, ChosenHeaderSections(choice), log, target.output);
  series.header = outputs::SplitHeaderReport(Windows1252AsUtf8(report));
  const LogSummary summary = SummarizeLog(log);
  series.identity = {summary.deviceType, summary.serialNumber, summary.firmwareVersion,
                     Windows1252AsUtf8(summary.unitName), Windows1252AsUtf8(summary.testName)};
  series.sourceName = FileName(target.input);
  series.history = "converted " + series.sourceName;
  if (!choice.templatePath.empty()) {
    series.templateName = FileName(choice.templatePath);
    series.history += " with " + series.templateName;
  }
  outputs::StampSeries(series);
  series.utcOffsetMinutes = textFormat.utcOffsetMinutes;
  return series;
}

}  // namespace

outputs::WriteResult WriteTypedOutput(outputs::OutputFormat format, LogFileReader& reader,
                                      const ColumnChoice& choice,
                                      const outputs::TextFormat& textFormat,
                                      const outputs::OutputTarget& target,
                                      const outputs::RecordCounter& counter) {
  const LogFile& log = reader.Log();
  const ConversionPlan plan(log, ChosenColumnRequests(log, choice));
  const std::vector<std::size_t> columns = ChosenColumns(plan, choice);
  const outputs::TypedSeries series = SeriesOf(plan, columns, choice, textFormat, target);
  outputs::PlanRecords records(plan, columns);
  return outputs::WriteTypedSeries(format, series, records, target, counter);
}

}  // namespace pelcon::jobs
