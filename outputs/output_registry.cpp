#include "outputs/typed_series_output.hpp"

#include <optional>

#include "datalib/calendar.hpp"
#include "export/settings.hpp"
#include "outputs/netcdf/netcdf_series.hpp"
#include "outputs/text_format.hpp"
#include "outputs/xlsx/xlsx_workbook.hpp"
#include "platform/clock.hpp"
#include "platform/staged_path_output.hpp"

namespace pelcon::outputs {

void StampSeries(outputs::TypedSeries& series) {
  double julian = 0.0;
  DateTimeToJulian(platform::LocalNow(), julian);
  series.convertedAt = IsoTimeText(julian, TextFormat{});
  series.version = VersionText();
}

WriteResult WriteTypedSeries(OutputFormat format, const outputs::TypedSeries& series,
                             outputs::SeriesRecords& records, const OutputTarget& target,
                             const RecordCounter& counter) {
  int error = 0;
  std::optional<platform::StagedPathOutput> output =
      platform::StagedPathOutput::Create(target.output, error);
  if (!output) return CreationFailed(target, error);
  bool stopped = false;
  const outputs::RecordProgress progress = [&](std::size_t count) {
    stopped = !counter(count);
    return !stopped;
  };
  std::string message;
  const bool written =
      format == OutputFormat::kXlsx
          ? outputs::WriteWorkbook(series, records, output->Path(), output->Folder(), progress,
                                   message)
          : outputs::WriteNetcdfSeries(series, records, output->Path(), progress, message);
  if (!written) {
    if (stopped) return {WriteStatus::kStopped, {}};
    return {WriteStatus::kFailed, "cannot write " + target.output + ": " + message};
  }
  return PublishStaged(*output, target);
}

}  // namespace pelcon::outputs
