#include "jobs/output_writer.hpp"

#include <optional>

#include "outputs/csv/csv_writer.hpp"
#include "platform/staged_output.hpp"

#ifdef PELCON_TYPED_OUTPUTS
#include "jobs/typed_output.hpp"
#endif

namespace pelcon::jobs {
namespace {

outputs::WriteResult WriteCsvOutput(LogFileReader& reader, const ColumnChoice& choice,
                                    const outputs::TextFormat& textFormat,
                                    const outputs::OutputTarget& target,
                                    const outputs::RecordCounter& counter) {
  int error = 0;
  std::optional<platform::StagedOutput> output =
      platform::StagedOutput::Create(target.output, error);
  if (!output) return outputs::CreationFailed(target, error);
  bool stopped = false;
  const outputs::CsvSink sink = [&](std::string_view text, std::size_t records) {
    if (!counter(records)) {
      stopped = true;
      return false;
    }
    return output->Write(text);
  };
  if (!outputs::WriteCsv(reader, choice, textFormat, target.output, sink)) {
    if (stopped) return {outputs::WriteStatus::kStopped, {}};
    return outputs::WritingFailed(target, output->Error());
  }
  return outputs::PublishStaged(*output, target);
}

}  // namespace

outputs::WriteResult WriteOutput(outputs::OutputFormat format, LogFileReader& reader,
                                 const ColumnChoice& choice, const outputs::TextFormat& textFormat,
                                 const outputs::OutputTarget& target,
                                 const outputs::RecordCounter& counter) {
  if (format == outputs::OutputFormat::kCsv) {
    return WriteCsvOutput(reader, choice, textFormat, target, counter);
  }
#ifdef PELCON_TYPED_OUTPUTS
  return WriteTypedOutput(format, reader, choice, textFormat, target, counter);
#else
  return {outputs::WriteStatus::kFailed, "this build writes CSV files only"};
#endif
}

}  // namespace pelcon::jobs
