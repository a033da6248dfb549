#include "ui/batch_run.hpp"

#include <algorithm>
#include <cstdio>

#include "jobs/file_runner.hpp"
#include "platform/notice_capture.hpp"

namespace pelcon::ui {
namespace {

// Passes the converter's progress on and keeps the last of it: the converter moves the bar to the
// number of records written so far, out of the file's record count.
class RecordCountingProgress final : public ProgressSink {
 public:
  explicit RecordCountingProgress(ProgressSink* next) : next_(next) {}

  void SetRange(int minimum, int maximum) override {
    recordCount_ = maximum;
    if (next_ != nullptr) next_->SetRange(minimum, maximum);
  }
  void SetPosition(int position) override {
    written_ = position;
    if (next_ != nullptr) next_->SetPosition(position);
  }
  void Redraw() override {
    if (next_ != nullptr) next_->Redraw();
  }

  int Written() const { return written_; }
  bool Complete() const { return written_ >= recordCount_; }

 private:
  ProgressSink* next_;
  int recordCount_ = 0;
  int written_ = 0;
};

// The reason of a failure the converter gave no message for.
std::string SilentFailureReason(ResultCode result) {
  if (result == kResultTemplateMissing) return "Template file not found";
  if (result == kResultLogFileMissing) return "Log file not found";
  char text[40];
  std::snprintf(text, sizeof text, "Failed with code 0x%08X", static_cast<unsigned>(result));
  return text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    if (!joined.empty()) joined += '\n';
    joined += line;
  }
  return joined;
}

}  // namespace

std::string CompletionMessage(const BatchOutcome& outcome) {
  std::string message = outcome.hadErrors   ? "Conversion had errors"
                        : outcome.cancelled ? "Conversion cancelled"
                                            : "Conversion complete";
  const auto converted = std::count_if(outcome.files.begin(), outcome.files.end(), [](auto& file) {
    return file.status == jobs::FileStatus::kConverted;
  });
  message += '\n' + std::to_string(converted) + " of " + std::to_string(outcome.files.size()) +
             (outcome.files.size() == 1 ? " file converted" : " files converted");
  return message;
}

BatchRun::~BatchRun() {
  if (!IsRunning()) return;
  RequestCancel();
  worker_.join();
}

bool BatchRun::Start(std::vector<FileEntry> files, std::string templatePath, ProgressSink* progress,
                     BatchRunObserver* observer) {
  if (IsRunning()) return false;
  {
    std::lock_guard lock(mutex_);
    finished_ = false;
    outcome_ = {};
  }
  cancel_ = std::make_unique<CancelFlag>();
  worker_ = std::thread(&BatchRun::Work, this, std::move(files), std::move(templatePath), progress,
                        observer);
  return true;
}

void BatchRun::RequestCancel() {
  if (!IsRunning()) return;
  cancel_->Set(true);
  std::lock_guard lock(mutex_);
  outcome_.cancelled = true;
}

bool BatchRun::WorkerFinished() const {
  std::lock_guard lock(mutex_);
  return finished_;
}

BatchOutcome BatchRun::Collect() {
  if (IsRunning()) worker_.join();
  cancel_.reset();
  std::lock_guard lock(mutex_);
  finished_ = false;
  return std::move(outcome_);
}

jobs::FileOutcome BatchRun::ConvertOne(const FileEntry& file, std::string& templatePath,
                                       ProgressSink* progress) {
  RecordCountingProgress counter(progress);
  platform::ScopedNoticeCapture messages;
  ResultCode result = kResultUnexpected;
  try {
    result = converter_(file.fullPath, templatePath, &counter, cancel_.get());
  } catch (...) {
    // The driver catches its own; anything else still only fails this file.
  }
  jobs::FileOutcome done;
  done.input = file.fullPath;
  if (Failed(result)) {
    done.status = jobs::FileStatus::kFailed;
    done.error =
        messages.Texts().empty() ? SilentFailureReason(result) : JoinLines(messages.Texts());
    return done;
  }
  // A cancel that came after the last record leaves a complete file.
  done.status = cancel_->IsSet() && !counter.Complete() ? jobs::FileStatus::kCancelled
                                                        : jobs::FileStatus::kConverted;
  done.records = static_cast<std::size_t>(counter.Written());
  done.output = file.fullPath + ".csv";  // the converter writes beside the log file
  return done;
}

void BatchRun::Work(std::vector<FileEntry> files, std::string templatePath, ProgressSink* progress,
                    BatchRunObserver* observer) {
  // Files never begun keep their input only: no output, no records.
  std::vector<jobs::FileOutcome> outcomes(files.size());
  for (std::size_t index = 0; index < files.size(); ++index) {
    outcomes[index].input = files[index].fullPath;
  }
  jobs::RunCallbacks callbacks;
  callbacks.cancelRequested = [this] { return cancel_->IsSet(); };
  int filesDone = 0;
  if (observer != nullptr) {
    callbacks.started = [observer](std::size_t count) {
      observer->RunStarted(static_cast<int>(count));
    };
    callbacks.fileStarted = [&](std::size_t index) { observer->FileStarted(files[index]); };
    callbacks.fileDone = [&](std::size_t, const jobs::FileOutcome&) {
      observer->FileFinished(++filesDone);
    };
  }
  // One worker: the files share the one per-file progress bar and go in list order.
  jobs::RunFiles(
      outcomes, 1,
      [&](std::size_t index) { return ConvertOne(files[index], templatePath, progress); },
      callbacks);
  const bool hadErrors = std::any_of(outcomes.begin(), outcomes.end(),
                                     [](auto& outcome) { return jobs::IsFailure(outcome.status); });
  std::lock_guard lock(mutex_);
  outcome_.hadErrors = hadErrors;
  outcome_.files = std::move(outcomes);
  finished_ = true;
}

}  // namespace pelcon::ui
