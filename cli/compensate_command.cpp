#include "cli/compensate_command.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/progress_line.hpp"
#include "compensation/log_records.hpp"
#include "jobs/compensated_output.hpp"
#include "jobs/compensation_json.hpp"
#include "jobs/file_report.hpp"
#include "jobs/input_discovery.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/output_collisions.hpp"
#include "jobs/output_naming.hpp"
#include "platform/interrupt.hpp"
#include "platform/terminal.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kProgram[] = "pelcon compensate";

class Compensation {
 public:
  Compensation(const jobs::CompensateOptions& options, const std::string& barometricPath,
               const jobs::LogSummary& barometric, const std::vector<TimedValue>& barometricRecords)
      : options_(options),
        barometricPath_(barometricPath),
        barometric_(barometric),
        barometricRecords_(barometricRecords) {}

  // The outcome of one level file, with the run when it was compensated. refusal: why the file
  // may not be written, or empty.
  jobs::FileOutcome Run(const jobs::InputFile& input, const std::string& output,
                        const std::string& refusal,
                        std::optional<jobs::CompensationRun>& run) const {
    jobs::FileOutcome outcome;
    outcome.input = input.path;
    outcome.output = output;
    outcome.error = input.error.empty() ? refusal : input.error;
    if (!outcome.error.empty()) return outcome;
    std::error_code error;
    if (fs::exists(fs::symlink_status(outcome.output, error)) && !options_.overwrite) {
      outcome.status = jobs::FileStatus::kExists;
      return outcome;
    }
    LogFileReader reader;
    if (!jobs::OpenLogFile(input.path, reader, outcome.error)) return outcome;
    run = jobs::CompensateWithOptions(input.path, reader.Log(), barometricPath_, barometric_,
                                      barometricRecords_, options_);
    jobs::DescribeInput(run->level, outcome);
    if (!run->table.error.empty()) {
      outcome.error = run->table.error;
      return outcome;
    }
    Write(*run, outcome);
    return outcome;
  }

 private:
  void Write(const jobs::CompensationRun& run, jobs::FileOutcome& outcome) const {
    const outputs::OutputTarget target{outcome.input, outcome.output, options_.overwrite};
    const outputs::RecordCounter counter = [](std::size_t) {
      return !platform::InterruptRequested();
    };
    const outputs::WriteResult result =
        jobs::WriteCompensatedOutput(options_.outputFormat, run, options_.format, target, counter);
    if (!jobs::RecordWrite(result, outcome)) return;
    outcome.records = run.table.records.size();
    outcome.status = jobs::FileStatus::kConverted;
  }

  const jobs::CompensateOptions& options_;
  const std::string& barometricPath_;
  const jobs::LogSummary& barometric_;
  const std::vector<TimedValue>& barometricRecords_;
};

// Prints an outcome (and the warnings of its run on stderr); false when stdout failed.
bool Report(const jobs::FileOutcome& outcome, const std::optional<jobs::CompensationRun>& run,
            const jobs::CompensateOptions& options) {
  if (run && outcome.error.empty()) {
    for (const std::string& warning : run->table.warnings) {
      std::fprintf(stderr, "%s: %s: warning: %s\n", kProgram, outcome.input.c_str(),
                   warning.c_str());
    }
  }
  std::string text;
  if (options.json) {
    nlohmann::json object = jobs::ReportObject(outcome);
    if (run && outcome.status == jobs::FileStatus::kConverted) {
      object["compensation"] = jobs::CompensationJson(*run);
      object["compensation"]["format"] =
          std::string(outputs::OutputFormatName(options.outputFormat));
    }
    text = jobs::JsonLine(object);
  } else {
    text = jobs::ReportLine(outcome);
  }
  return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
}

}  // namespace

int RunCompensate(const jobs::CompensateOptions& options) {
  platform::CatchInterrupts();
  if (!options.outputDirectory.empty()) {
    std::error_code error;
    fs::create_directories(options.outputDirectory, error);
    if (error || !fs::is_directory(options.outputDirectory)) {
      std::fprintf(stderr, "%s: %s: cannot create the output folder: %s\n", kProgram,
                   options.outputDirectory.c_str(), error.message().c_str());
      return 1;
    }
  }
  LogFileReader barometricReader;
  std::string error;
  if (!jobs::OpenLogFile(options.barometricFile, barometricReader, error)) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, options.barometricFile.c_str(), error.c_str());
    return 1;
  }
  const std::optional<std::vector<TimedValue>> barometric =
      ReadBarometricRecords(barometricReader.Log(), error);
  if (!barometric) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, options.barometricFile.c_str(), error.c_str());
    return 1;
  }
  const jobs::LogSummary barometricSummary = jobs::SummarizeLog(barometricReader.Log());
  const Compensation compensation(options, options.barometricFile, barometricSummary, *barometric);

  const std::vector<jobs::InputFile> inputs = jobs::DiscoverInputs(options.levelFiles, false);
  // The barometric file counts as an input, so that no output may replace it.
  std::vector<std::string> paths = {options.barometricFile}, outputs = {std::string()};
  const std::string pattern =
      "{name}.compensated" + std::string(outputs::FileExtension(options.outputFormat));
  for (const jobs::InputFile& input : inputs) {
    paths.push_back(input.path);
    outputs.push_back(input.error.empty()
                          ? jobs::OutputPathFor(input.path, options.outputDirectory, pattern)
                          : std::string());
  }
  const std::vector<std::string> refusals = jobs::OutputCollisions(paths, outputs);
  ProgressLine progress(inputs.size());
  const bool showProgress = !options.quiet && platform::IsErrorStreamTerminal();
  bool failed = false;
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    if (platform::InterruptRequested()) break;
    if (showProgress) progress.Draw();
    std::optional<jobs::CompensationRun> run;
    const jobs::FileOutcome outcome =
        compensation.Run(inputs[k], outputs[k + 1], refusals[k + 1], run);
    progress.AddRecords(outcome.records);
    progress.FileDone();
    if (showProgress) progress.Erase();
    failed = !Report(outcome, run, options) || jobs::IsFailure(outcome.status) || failed;
  }
  if (platform::InterruptRequested()) {
    std::fprintf(stderr, "%s: interrupted; no unfinished output was left\n", kProgram);
    return 130;
  }
  return failed ? 1 : 0;
}

}  // namespace pelcon::cli
