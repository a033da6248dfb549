#include "cli/convert_command.hpp"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

#include "cli/progress_line.hpp"
#include "export/settings.hpp"
#include "jobs/file_report.hpp"
#include "jobs/input_discovery.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/log_summary.hpp"
#include "jobs/metadata_file.hpp"
#include "jobs/output_collisions.hpp"
#include "jobs/output_naming.hpp"
#include "jobs/output_writer.hpp"
#include "platform/files.hpp"
#include "platform/interrupt.hpp"
#include "platform/terminal.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {
namespace {

namespace fs = std::filesystem;

struct Job {
  jobs::InputFile input;
  std::string output;
  std::string error;  // set when the job cannot run (its output is another input's)
};

// Columns, sections, separator and empty-field text for the run. False (with the message in
// error) when the template cannot be read.
bool ChooseColumns(const jobs::ConvertOptions& options, ColumnChoice& choice, std::string& error) {
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

outputs::TextFormat FormatOf(const jobs::ConvertOptions& options, const ColumnChoice& choice) {
  outputs::TextFormat format = options.format;
  if (format.separator.empty()) {
    format.separator = format.decimalComma && choice.separator == "," ? ";" : choice.separator;
  }
  return format;
}

// Every input with its output. An output that is an input (a --name pattern can make one) or
// another input's output is an error of that job, never a file replaced.
std::vector<Job> PlanJobs(const jobs::ConvertOptions& options) {
  std::vector<Job> jobs;
  std::vector<std::string> inputs, outputs;
  for (jobs::InputFile& input : jobs::DiscoverInputs(options.inputs, options.recursive)) {
    Job& job = jobs.emplace_back();
    job.input = std::move(input);
    if (job.input.error.empty()) {
      job.output =
          jobs::OutputPathFor(job.input.path, options.outputDirectory, options.namePattern);
    }
    inputs.push_back(job.input.path);
    outputs.push_back(job.output);
  }
  const std::vector<std::string> errors = jobs::OutputCollisions(inputs, outputs);
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
  Conversion(const jobs::ConvertOptions& options, const ColumnChoice& choice,
             ProgressLine& progress)
      : options_(options),
        choice_(choice),
        format_(FormatOf(options, choice)),
        progress_(progress) {}

  jobs::FileOutcome Run(const Job& job) const {
    jobs::FileOutcome outcome;
    outcome.input = job.input.path;
    outcome.output = job.output;
    outcome.error = job.input.error.empty() ? job.error : job.input.error;
    if (!outcome.error.empty()) return outcome;

    std::error_code error;
    const bool exists = fs::exists(fs::symlink_status(job.output, error));
    if (exists && options_.skipExisting && IsUpToDate(job.input.path, job.output)) {
      outcome.status = jobs::FileStatus::kSkipped;
      return outcome;
    }
    if (exists && !options_.overwrite) {
      outcome.status = jobs::FileStatus::kExists;
      return outcome;
    }
    LogFileReader reader;
    if (!jobs::OpenLogFile(job.input.path, reader, outcome.error)) return outcome;
    const jobs::LogSummary summary = jobs::SummarizeLog(reader.Log());
    jobs::DescribeInput(summary, outcome);
    if (options_.dryRun) {
      outcome.status = jobs::FileStatus::kWouldWrite;
      outcome.records = summary.recordCount;
      return outcome;
    }
    Write(job, reader, outcome);
    return outcome;
  }

 private:
  void Write(const Job& job, LogFileReader& reader, jobs::FileOutcome& outcome) const {
    std::size_t counted = 0;
    const outputs::RecordCounter counter = [&](std::size_t records) {
      progress_.AddRecords(records - counted);
      counted = records;
      outcome.records = records;
      return !platform::InterruptRequested();
    };
    const outputs::OutputTarget target{job.input.path, job.output, options_.overwrite};
    const outputs::WriteResult result =
        jobs::WriteOutput(options_.outputFormat, reader, choice_, format_, target, counter);
    if (!jobs::RecordWrite(result, outcome)) return;
    if (options_.metadata) {
      const std::string path = jobs::MetadataPathFor(job.input.path, options_.outputDirectory);
      if (!jobs::WriteMetadata(reader, choice_, job.input.path, path, options_.overwrite,
                               outcome.error)) {
        return;
      }
    }
    outcome.status = jobs::FileStatus::kConverted;
  }

  const jobs::ConvertOptions& options_;
  const ColumnChoice& choice_;
  const outputs::TextFormat format_;
  ProgressLine& progress_;
};

// Prints the outcomes in input order as they become known, from any worker.
class OrderedReport {
 public:
  // progress: the line to keep below the report, or nothing.
  OrderedReport(std::size_t count, bool json, const ProgressLine* progress)
      : outcomes_(count), json_(json), progress_(progress) {}

  void Add(std::size_t index, jobs::FileOutcome outcome) {
    const std::lock_guard lock(mutex_);
    if (jobs::IsFailure(outcome.status)) failed_ = true;
    outcomes_[index] = std::move(outcome);
    if (progress_) progress_->Erase();
    for (; next_ < outcomes_.size() && outcomes_[next_]; ++next_) {
      const std::string text =
          json_ ? jobs::ReportJson(*outcomes_[next_]) : jobs::ReportLine(*outcomes_[next_]);
      if (std::fputs(text.c_str(), stdout) < 0) failed_ = true;
    }
    if (std::fflush(stdout) != 0) failed_ = true;
    if (progress_) progress_->Draw();
  }

  void RedrawProgress() {
    const std::lock_guard lock(mutex_);
    if (progress_) progress_->Draw();
  }

  void EraseProgress() {
    const std::lock_guard lock(mutex_);
    if (progress_) progress_->Erase();
  }

  bool AnyFailed() const { return failed_; }

 private:
  std::mutex mutex_;
  std::vector<std::optional<jobs::FileOutcome>> outcomes_;
  std::size_t next_ = 0;
  bool json_;
  const ProgressLine* progress_;
  bool failed_ = false;
};

// The columns and the output folder of a run; false with the message in error.
bool PrepareRun(const jobs::ConvertOptions& options, ColumnChoice& choice, std::string& error) {
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

std::vector<jobs::FileOutcome> ConvertInOrder(const jobs::ConvertOptions& options,
                                              std::string& error) {
  ColumnChoice choice;
  if (!PrepareRun(options, choice, error)) return {};
  const std::vector<Job> jobs = PlanJobs(options);
  ProgressLine progress(jobs.size());
  const Conversion conversion(options, choice, progress);
  std::vector<jobs::FileOutcome> outcomes;
  for (const Job& job : jobs) outcomes.push_back(conversion.Run(job));
  return outcomes;
}

int RunConvert(const jobs::ConvertOptions& options) {
  platform::CatchInterrupts();
  ColumnChoice choice;
  if (std::string error; !PrepareRun(options, choice, error)) {
    std::fprintf(stderr, "pelcon convert: %s\n", error.c_str());
    return 1;
  }
  const std::vector<Job> jobs = PlanJobs(options);
  ProgressLine progress(jobs.size());
  const bool showProgress = !options.quiet && platform::IsErrorStreamTerminal();
  OrderedReport report(jobs.size(), options.json, showProgress ? &progress : nullptr);
  const Conversion conversion(options, choice, progress);

  std::atomic<std::size_t> nextJob{0};
  std::atomic<std::size_t> workersLeft{0};
  std::mutex doneMutex;
  std::condition_variable done;
  const auto work = [&] {
    for (std::size_t index; (index = nextJob.fetch_add(1)) < jobs.size();) {
      if (platform::InterruptRequested()) break;
      jobs::FileOutcome outcome = conversion.Run(jobs[index]);
      if (platform::InterruptRequested()) break;
      progress.FileDone();
      report.Add(index, std::move(outcome));
    }
    const std::lock_guard lock(doneMutex);
    --workersLeft;
    done.notify_all();
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t workerCount = std::min<std::size_t>(options.jobs ? options.jobs : cores,
                                                        std::max<std::size_t>(jobs.size(), 1));
  workersLeft = workerCount;
  std::vector<std::thread> workers;
  for (std::size_t k = 0; k < workerCount; ++k) workers.emplace_back(work);
  {
    std::unique_lock lock(doneMutex);
    while (!done.wait_for(lock, std::chrono::milliseconds(200), [&] { return workersLeft == 0; })) {
      report.RedrawProgress();
    }
  }
  for (std::thread& worker : workers) worker.join();
  report.EraseProgress();
  if (platform::InterruptRequested()) {
    std::fputs("pelcon convert: interrupted; no unfinished output was left\n", stderr);
    return 130;
  }
  return report.AnyFailed() ? 1 : 0;
}

}  // namespace pelcon::cli
