#include "jobs/convert_job.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "export/settings.hpp"
#include "jobs/input_discovery.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/log_summary.hpp"
#include "jobs/log_table.hpp"
#include "jobs/metadata_file.hpp"
#include "jobs/output_collisions.hpp"
#include "jobs/output_naming.hpp"
#include "outputs/output_publishing.hpp"
#include "plan/worker_count.hpp"
#include "platform/files.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {
namespace {

namespace fs = std::filesystem;

struct Job {
  InputFile input;
  std::string output;
  std::string error;  // set when the job cannot run (its output is another input's)
};

// Columns, sections, separator and empty-field text for the run. False (with the message in
// error) when the template cannot be read.
bool ChooseColumns(const ConvertOptions& options, ColumnChoice& choice, std::string& error) {
  if (options.columns) {
    choice.columns = options.columns;
  } else if (!options.templatePath.empty()) {
    if (!ChooseTemplate(options.templatePath, choice, error)) return false;
    choice.templatePath = options.templatePath;
  } else if (const std::string path = ReadDefaultTemplatePath();
             !path.empty() && platform::FileExists(path)) {
    if (!ChooseTemplate(path, choice, error)) return false;
    choice.templatePath = path;
  } else {
    choice.sections = {true, true, true, true};
  }
  return true;
}

// The text options of the run: the template's separator and empty-field text unless given.
outputs::TextFormat TextFormatOf(const ConvertOptions& options, const ColumnChoice& choice) {
  outputs::TextFormat format = options.format;
  if (format.separator.empty()) {
    format.separator = format.decimalComma && choice.separator == "," ? ";" : choice.separator;
  }
  format.emptyField = choice.emptyField;
  return format;
}

// Every input with its output. An output that is an input (a name pattern can make one) or
// another input's output is an error of that job, never a file replaced.
std::vector<Job> PlanJobs(const ConvertOptions& options, const outputs::OutputFormat& format) {
  const std::string pattern =
      options.namePattern.empty() ? outputs::DefaultNamePattern(format) : options.namePattern;
  std::vector<Job> jobs;
  std::vector<std::string> inputs, outputs;
  for (InputFile& input : DiscoverInputs(options.inputs, options.recursive)) {
    Job& job = jobs.emplace_back();
    job.input = std::move(input);
    if (job.input.error.empty()) {
      job.output = OutputPathFor(job.input.path, options.outputDirectory, pattern);
    }
    inputs.push_back(job.input.path);
    outputs.push_back(job.output);
  }
  const std::vector<std::string> errors = OutputCollisions(inputs, outputs);
  for (std::size_t k = 0; k < jobs.size(); ++k) jobs[k].error = errors[k];
  return jobs;
}

// Whether the output is newer than the input.
bool IsUpToDate(const std::string& input, const std::string& output) {
  std::error_code error;
  const auto outputTime = fs::last_write_time(output, error);
  if (error) return false;
  const auto inputTime = fs::last_write_time(input, error);
  return !error && outputTime > inputTime;
}

class Conversion {
 public:
  Conversion(const ConvertOptions& options, const outputs::OutputFormat& format,
             const ColumnChoice& choice, const RunCallbacks& callbacks, unsigned workersPerFile)
      : options_(options),
        format_(format),
        choice_(choice),
        text_(TextFormatOf(options, choice)),
        callbacks_(callbacks),
        workersPerFile_(workersPerFile) {}

  FileOutcome Run(const Job& job) const {
    FileOutcome outcome;
    outcome.input = job.input.path;
    outcome.output = job.output;
    outcome.error = job.input.error.empty() ? job.error : job.input.error;
    if (!outcome.error.empty()) return outcome;

    std::error_code error;
    const bool exists = fs::exists(fs::symlink_status(job.output, error));
    if (exists && options_.skipExisting && IsUpToDate(job.input.path, job.output)) {
      outcome.status = FileStatus::kSkipped;
      return outcome;
    }
    if (exists && !options_.overwrite) {
      outcome.status = FileStatus::kExists;
      return outcome;
    }
    LogFileReader reader;
    if (!OpenLogFile(job.input.path, reader, outcome.error)) return outcome;
    const LogSummary summary = SummarizeLog(reader.Log());
    DescribeInput(summary, outcome);
    if (options_.dryRun) {
      outcome.status = FileStatus::kWouldWrite;
      outcome.records = summary.recordCount;
      return outcome;
    }
    Write(job, reader, outcome);
    return outcome;
  }

 private:
  void Write(const Job& job, LogFileReader& reader, FileOutcome& outcome) const {
    const LogTable table(reader.Log(), choice_, job.input.path, job.output,
                         options_.format.utcOffsetMinutes);
    outputs::RecordRun run;
    run.workers = workersPerFile_;
    run.progress = [&](std::size_t records) {
      if (callbacks_.recordsWritten) callbacks_.recordsWritten(records - outcome.records);
      outcome.records = records;
      return true;
    };
    run.stopRequested = callbacks_.cancelRequested;
    const outputs::OutputTarget target{job.input.path, job.output, options_.overwrite};
    const outputs::WriteResult result =
        outputs::WriteTable(format_, table.Description(), table.Records(), text_, target, run);
    if (!RecordWrite(result, outcome)) return;
    if (options_.metadata) {
      const std::string path = MetadataPathFor(job.input.path, options_.outputDirectory);
      if (!WriteMetadata(reader, choice_, job.input.path, path, options_.overwrite,
                         outcome.error)) {
        return;
      }
    }
    outcome.status = FileStatus::kConverted;
  }

  const ConvertOptions& options_;
  const outputs::OutputFormat& format_;
  const ColumnChoice& choice_;
  const outputs::TextFormat text_;
  const RunCallbacks& callbacks_;
  const unsigned workersPerFile_;
};

// The columns and the output folder of a run; false with the message in error.
bool PrepareRun(const ConvertOptions& options, ColumnChoice& choice, std::string& error) {
  if (!ChooseColumns(options, choice, error)) return false;
  if (!options.outputDirectory.empty() && !options.dryRun) {
    std::error_code code;
    fs::create_directories(options.outputDirectory, code);
    if (code || !fs::is_directory(options.outputDirectory)) {
      error = options.outputDirectory + ": cannot create the output folder: " + code.message();
      return false;
    }
  }
  return true;
}

}  // namespace

ConvertResult Convert(const ConvertOptions& options, const RunCallbacks& callbacks) {
  ConvertResult result;
  const outputs::OutputFormat* format = FindFormat(options.outputFormat, result.error);
  if (format == nullptr) return result;
  ColumnChoice choice;
  if (!PrepareRun(options, choice, result.error)) return result;
  const std::vector<Job> jobs = PlanJobs(options, *format);
  result.outcomes.resize(jobs.size());
  for (std::size_t k = 0; k < jobs.size(); ++k) {
    result.outcomes[k].input = jobs[k].input.path;
    result.outcomes[k].output = jobs[k].output;
  }
  // Files run at once on the cores; a file gets the cores the others leave.
  const unsigned cores = ConversionWorkerCount();
  const unsigned fileWorkers = static_cast<unsigned>(std::min<std::size_t>(
      options.jobs ? options.jobs : cores, std::max<std::size_t>(jobs.size(), 1)));
  const Conversion conversion(options, *format, choice, callbacks,
                              std::max(1u, cores / fileWorkers));
  RunFiles(
      result.outcomes, fileWorkers, [&](std::size_t index) { return conversion.Run(jobs[index]); },
      callbacks);
  result.cancelled = callbacks.CancelRequested();
  return result;
}

}  // namespace pelcon::jobs
