#include "cli/output_writer.hpp"

#include <optional>

#include "cli/csv_writer.hpp"
#include "platform/staged_output.hpp"

#ifdef PELCON_TYPED_OUTPUTS
#include "cli/typed_output.hpp"
#endif

namespace pelcon::cli {
namespace {

WriteResult WriteCsvOutput(LogFileReader& reader, const ColumnChoice& choice,
                           const TextFormat& textFormat, const OutputTarget& target,
                           const RecordCounter& counter) {
  int error = 0;
  std::optional<platform::StagedOutput> output =
      platform::StagedOutput::Create(target.output, error);
  if (!output) return CreationFailed(target, error);
  bool stopped = false;
  const CsvSink sink = [&](std::string_view text, std::size_t records) {
    if (!counter(records)) {
      stopped = true;
      return false;
    }
    return output->Write(text);
  };
  if (!WriteCsv(reader, choice, textFormat, target.output, sink)) {
    if (stopped) return {WriteStatus::kStopped, {}};
    return WritingFailed(target, output->Error());
  }
  return PublishStaged(*output, target);
}

}  // namespace

WriteResult WriteOutput(OutputFormat format, LogFileReader& reader, const ColumnChoice& choice,
                        const TextFormat& textFormat, const OutputTarget& target,
                        const RecordCounter& counter) {
  if (format == OutputFormat::kCsv) {
    return WriteCsvOutput(reader, choice, textFormat, target, counter);
  }
#ifdef PELCON_TYPED_OUTPUTS
  return WriteTypedOutput(format, reader, choice, textFormat, target, counter);
#else
  return {WriteStatus::kFailed, "this build writes CSV files only"};
#endif
}

}  // namespace pelcon::cli
