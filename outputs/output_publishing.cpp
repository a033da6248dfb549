#include "outputs/output_publishing.hpp"

#include <optional>

#include "platform/files.hpp"
#include "platform/staged_output.hpp"
#include "platform/staged_path_output.hpp"

namespace pelcon::outputs {
namespace {

WriteResult CreationFailed(const OutputTarget& target, int error) {
  return {WriteStatus::kFailed,
          "cannot create " + target.output + ": " + platform::FileErrorText(error)};
}

WriteResult WritingFailed(const OutputTarget& target, const std::string& reason) {
  return {WriteStatus::kFailed, "cannot write " + target.output + ": " + reason};
}

// Gives a complete staged output its target's name.
template <class StagedFile>
WriteResult Publish(StagedFile& output, const OutputTarget& target) {
  if (output.Publish(target.replaceExisting)) return {WriteStatus::kWritten, {}};
  if (platform::IsExistsError(output.Error())) return {WriteStatus::kExists, {}};
  return WritingFailed(target, platform::FileErrorText(output.Error()));
}

// Runs the writer through its three steps into the staged output, and publishes it when
// complete. A failed write names the system's reason when there is one, else the writer's.
template <class StagedFile>
WriteResult WriteStaged(StagedFile& output, FormatWriter& writer, const TableDescription& table,
                        const TableRecords& records, const RecordRun& run,
                        const OutputTarget& target) {
  RunOutcome outcome = writer.Begin(table) ? writer.Take(records, run) : RunOutcome::kFailed;
  if (outcome == RunOutcome::kComplete && !writer.Finish()) outcome = RunOutcome::kFailed;
  switch (outcome) {
    case RunOutcome::kStopped:
      return {WriteStatus::kStopped, {}};
    case RunOutcome::kFailed:
      return WritingFailed(
          target, output.Error() != 0 ? platform::FileErrorText(output.Error()) : writer.Error());
    case RunOutcome::kComplete:
      break;
  }
  return Publish(output, target);
}

}  // namespace

WriteResult WriteTable(const OutputFormat& format, const TableDescription& table,
                       const TableRecords& records, const TextFormat& text,
                       const OutputTarget& target, const RecordRun& run) {
  int error = 0;
  if (format.writesByPath) {
    std::optional<platform::StagedPathOutput> output =
        platform::StagedPathOutput::Create(target.output, error);
    if (!output) return CreationFailed(target, error);
    const std::unique_ptr<FormatWriter> writer =
        format.open({{}, output->Path(), output->Folder()}, text);
    return WriteStaged(*output, *writer, table, records, run, target);
  }
  std::optional<platform::StagedOutput> output =
      platform::StagedOutput::Create(target.output, error);
  if (!output) return CreationFailed(target, error);
  const auto stream = [&output](std::string_view bytes) { return output->Write(bytes); };
  const std::unique_ptr<FormatWriter> writer = format.open({stream, {}, {}}, text);
  return WriteStaged(*output, *writer, table, records, run, target);
}

WriteResult WriteBytes(std::string_view bytes, const OutputTarget& target) {
  int error = 0;
  std::optional<platform::StagedOutput> output =
      platform::StagedOutput::Create(target.output, error);
  if (!output) return CreationFailed(target, error);
  if (!output->Write(bytes)) return WritingFailed(target, platform::FileErrorText(output->Error()));
  return Publish(*output, target);
}

}  // namespace pelcon::outputs
