#include "cli/convert_command.hpp"

#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <optional>
#include <vector>

#include "cli/progress_line.hpp"
#include "jobs/convert_job.hpp"
#include "platform/interrupt.hpp"
#include "platform/terminal.hpp"

namespace pelcon::cli {
namespace {

// Prints the outcomes in input order as they become known, from any worker.
class OrderedReport {
 public:
  // progress: the line to keep below the report, or nothing.
  OrderedReport(bool json, ProgressLine& progress, bool showProgress)
      : json_(json), line_(progress), progress_(showProgress ? &progress : nullptr) {}

  void Start(std::size_t count) {
    const std::lock_guard lock(mutex_);
    outcomes_.resize(count);
    line_.SetTotalFiles(count);
  }

  void Add(std::size_t index, const jobs::FileOutcome& outcome) {
    const std::lock_guard lock(mutex_);
    if (jobs::IsFailure(outcome.status)) failed_ = true;
    outcomes_[index] = outcome;
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
  ProgressLine& line_;
  const ProgressLine* progress_;  // the line when it is shown
  bool failed_ = false;
};

}  // namespace

int RunConvert(const ConvertCommand& command) {
  platform::CatchInterrupts();
  ProgressLine progress(0);
  const bool showProgress = !command.quiet && platform::IsErrorStreamTerminal();
  OrderedReport report(command.json, progress, showProgress);
  jobs::RunCallbacks callbacks;
  callbacks.started = [&](std::size_t inputs) { report.Start(inputs); };
  callbacks.recordsWritten = [&](std::size_t records) { progress.AddRecords(records); };
  callbacks.cancelRequested = [] { return platform::InterruptRequested(); };
  callbacks.fileDone = [&](std::size_t index, const jobs::FileOutcome& outcome) {
    // An interrupted run reports no more files: what was begun is gone.
    if (platform::InterruptRequested()) return;
    progress.FileDone();
    report.Add(index, outcome);
  };

  std::future<jobs::ConvertResult> run =
      std::async(std::launch::async, [&] { return jobs::Convert(command.job, callbacks); });
  while (run.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready) {
    report.RedrawProgress();
  }
  const jobs::ConvertResult result = run.get();
  report.EraseProgress();
  if (!result.error.empty()) {
    std::fprintf(stderr, "pelcon convert: %s\n", result.error.c_str());
    return 1;
  }
  if (platform::InterruptRequested()) {
    std::fputs("pelcon convert: interrupted; no unfinished output was left\n", stderr);
    return 130;
  }
  return report.AnyFailed() ? 1 : 0;
}

}  // namespace pelcon::cli
