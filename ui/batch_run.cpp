#include "ui/batch_run.hpp"

namespace pelcon::ui {

std::string_view CompletionMessage(const BatchOutcome& outcome) {
  if (outcome.hadErrors) return "Conversion had errors";
  if (outcome.cancelled) return "Conversion cancelled";
  return "Conversion complete";
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
  return outcome_;
}

void BatchRun::Work(std::vector<FileEntry> files, std::string templatePath, ProgressSink* progress,
                    BatchRunObserver* observer) {
  if (observer != nullptr) observer->RunStarted(static_cast<int>(files.size()));
  int done = 0;
  for (const FileEntry& file : files) {
    if (cancel_->IsSet()) break;
    if (observer != nullptr) observer->FileStarted(file);
    ResultCode result = kResultUnexpected;
    try {
      result = converter_(file.fullPath, templatePath, progress, cancel_.get());
    } catch (...) {
      // The driver catches its own; anything else still only fails this file.
    }
    if (Failed(result)) {
      std::lock_guard lock(mutex_);
      outcome_.hadErrors = true;
    }
    ++done;
    if (observer != nullptr) observer->FileFinished(done);
  }
  std::lock_guard lock(mutex_);
  finished_ = true;
}

}  // namespace pelcon::ui
