#include "jobs/compensate_job.hpp"

#include <filesystem>
#include <system_error>

#include "compensation/log_records.hpp"
#include "jobs/compensated_table.hpp"
#include "jobs/compensation_json.hpp"
#include "jobs/input_discovery.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/output_collisions.hpp"
#include "jobs/output_naming.hpp"
#include "outputs/output_publishing.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {
namespace {

namespace fs = std::filesystem;

class Compensation {
 public:
  Compensation(const CompensateOptions& options, const outputs::OutputFormat& format,
               const LogSummary& barometric, const std::vector<TimedValue>& barometricRecords,
               const RunCallbacks& callbacks)
      : options_(options),
        format_(format),
        text_(TextFormatOf(options.format)),
        barometric_(barometric),
        barometricRecords_(barometricRecords),
        callbacks_(callbacks) {}

  // The outcome of one level file, with the run when it was compensated. refusal: why the file
  // may not be written, or empty.
  FileOutcome Run(const InputFile& input, const std::string& output, const std::string& refusal,
                  std::optional<CompensationRun>& run) const {
    FileOutcome outcome;
    outcome.input = input.path;
    outcome.output = output;
    outcome.error = input.error.empty() ? refusal : input.error;
    if (!outcome.error.empty()) return outcome;
    std::error_code error;
    if (fs::exists(fs::symlink_status(outcome.output, error)) && !options_.overwrite) {
      outcome.status = FileStatus::kExists;
      return outcome;
    }
    LogFileReader reader;
    if (!OpenLogFile(input.path, reader, outcome.error)) return outcome;
    run = CompensateWithOptions(input.path, reader.Log(), options_.barometricFile, barometric_,
                                barometricRecords_, options_);
    DescribeInput(run->level, outcome);
    if (!run->table.error.empty()) {
      outcome.error = run->table.error;
      return outcome;
    }
    Write(*run, outcome);
    return outcome;
  }

 private:
  // The separator is "," (";" with a decimal comma) unless given.
  static outputs::TextFormat TextFormatOf(outputs::TextFormat format) {
    if (format.separator.empty()) format.separator = format.decimalComma ? ";" : ",";
    return format;
  }

  void Write(const CompensationRun& run, FileOutcome& outcome) const {
    const outputs::OutputTarget target{outcome.input, outcome.output, options_.overwrite};
    const CompensatedRecords records(run);
    outputs::RecordRun recordRun;
    recordRun.stopRequested = callbacks_.cancelRequested;
    const outputs::WriteResult result = outputs::WriteTable(
        format_, CompensatedDescription(run, text_), records, text_, target, recordRun);
    if (!RecordWrite(result, outcome)) return;
    outcome.records = run.table.records.size();
    if (callbacks_.recordsWritten) callbacks_.recordsWritten(outcome.records);
    outcome.status = FileStatus::kConverted;
  }

  const CompensateOptions& options_;
  const outputs::OutputFormat& format_;
  const outputs::TextFormat text_;
  const LogSummary& barometric_;
  const std::vector<TimedValue>& barometricRecords_;
  const RunCallbacks& callbacks_;
};

}  // namespace

std::string CompensatedNamePattern(const outputs::OutputFormat& format) {
  return "{name}.compensated" + std::string(format.extension);
}

CompensateResult Compensate(const CompensateOptions& options,
                            const CompensateCallbacks& callbacks) {
  CompensateResult result;
  const outputs::OutputFormat* format = FindFormat(options.outputFormat, result.error);
  if (format == nullptr) return result;
  if (!options.outputDirectory.empty()) {
    std::error_code error;
    fs::create_directories(options.outputDirectory, error);
    if (error || !fs::is_directory(options.outputDirectory)) {
      result.error =
          options.outputDirectory + ": cannot create the output folder: " + error.message();
      return result;
    }
  }
  LogFileReader barometricReader;
  std::string error;
  if (!OpenLogFile(options.barometricFile, barometricReader, error)) {
    result.error = options.barometricFile + ": " + error;
    return result;
  }
  const std::optional<std::vector<TimedValue>> barometric =
      ReadBarometricRecords(barometricReader.Log(), error);
  if (!barometric) {
    result.error = options.barometricFile + ": " + error;
    return result;
  }
  const LogSummary barometricSummary = SummarizeLog(barometricReader.Log());
  const Compensation compensation(options, *format, barometricSummary, *barometric, callbacks);

  const std::vector<InputFile> inputs = DiscoverInputs(options.levelFiles, false);
  // The barometric file counts as an input, so that no output may replace it.
  std::vector<std::string> paths = {options.barometricFile}, outputs = {std::string()};
  const std::string pattern = CompensatedNamePattern(*format);
  for (const InputFile& input : inputs) {
    paths.push_back(input.path);
    outputs.push_back(input.error.empty()
                          ? OutputPathFor(input.path, options.outputDirectory, pattern)
                          : std::string());
  }
  const std::vector<std::string> refusals = OutputCollisions(paths, outputs);
  result.outcomes.resize(inputs.size());
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    result.outcomes[k].input = inputs[k].path;
    result.outcomes[k].output = outputs[k + 1];
  }
  std::vector<std::optional<CompensationRun>> runs(inputs.size());
  RunCallbacks run = callbacks;
  run.fileDone = [&](std::size_t index, const FileOutcome& outcome) {
    if (callbacks.fileDone) callbacks.fileDone(index, outcome);
    if (callbacks.levelDone) {
      callbacks.levelDone(index, outcome, runs[index] ? &*runs[index] : nullptr);
    }
  };
  // One level file after the other: the outputs are small, the barometric records shared.
  RunFiles(
      result.outcomes, 1,
      [&](std::size_t k) {
        return compensation.Run(inputs[k], outputs[k + 1], refusals[k + 1], runs[k]);
      },
      run);
  result.cancelled = callbacks.CancelRequested();
  return result;
}

}  // namespace pelcon::jobs
