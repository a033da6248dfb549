#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "component/cancel_flag.hpp"
#include "component/progress_sink.hpp"
#include "export/result_codes.hpp"
#include "jobs/file_report.hpp"
#include "ui/file_entry.hpp"

namespace pelcon::ui {

// Converts one log file; the batch dialog passes the conversion driver, tests a stand-in.
using LogFileConverter =
    std::function<ResultCode(const std::string& logFilePath, std::string& templatePath,
                             ProgressSink* progress, const CancelFlag* cancel)>;

// What the worker reports while it runs, from its own thread. A dialog forwards each call to its
// own thread and waits until it has been handled.
class BatchRunObserver {
 public:
  virtual ~BatchRunObserver() = default;
  virtual void RunStarted(int fileCount) = 0;
  virtual void FileStarted(const FileEntry& file) = 0;
  virtual void FileFinished(int filesDone) = 0;
};

struct BatchOutcome {
  bool cancelled = false;
  bool hadErrors = false;
  // One per file of the run, in its order: converted, failed, cancelled (the output holds the
  // records written before) or not reached.
  std::vector<jobs::FileOutcome> files;
};

// The message that ends a run: errors outrank a cancellation. A second line counts the files
// converted.
std::string CompletionMessage(const BatchOutcome& outcome);

// One conversion run of the batch dialog on a worker thread: idle, then running from Start until
// Collect, which the dialog calls once WorkerFinished says the worker has ended. The files go
// through the jobs' file runner one at a time in list order. The cancel flag exists exactly while
// a run is in progress.
class BatchRun {
 public:
  explicit BatchRun(LogFileConverter converter) : converter_(std::move(converter)) {}
  BatchRun(const BatchRun&) = delete;
  BatchRun& operator=(const BatchRun&) = delete;
  // A run still going is cancelled and waited for. The owner must not block the thread the
  // observer waits on, so it lets the run finish first.
  ~BatchRun();

  // Starts converting the files in order with the template; false when a run is in progress. The
  // progress sink and observer must outlive the run.
  bool Start(std::vector<FileEntry> files, std::string templatePath, ProgressSink* progress,
             BatchRunObserver* observer);
  // Asks the worker to stop after the current record; the run counts as cancelled.
  void RequestCancel();

  bool IsRunning() const { return worker_.joinable(); }
  // True once the worker has done its last access to the run's state.
  bool WorkerFinished() const;
  // Ends a finished run: joins the worker, releases the cancel flag and returns to idle.
  BatchOutcome Collect();

 private:
  void Work(std::vector<FileEntry> files, std::string templatePath, ProgressSink* progress,
            BatchRunObserver* observer);
  // Converts one file and says how it went.
  jobs::FileOutcome ConvertOne(const FileEntry& file, std::string& templatePath,
                               ProgressSink* progress);

  LogFileConverter converter_;
  std::unique_ptr<CancelFlag> cancel_;
  std::thread worker_;
  mutable std::mutex mutex_;  // guards the fields below, shared with the worker
  bool finished_ = false;
  BatchOutcome outcome_;
};

}  // namespace pelcon::ui
