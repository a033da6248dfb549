#pragma once

// The runner of a job over many files, the same for the command line, the batch dialog and
// Python: files on up to so many threads, outcomes in input order, cancel between and inside
// files.

#include <cstddef>
#include <functional>
#include <vector>

#include "jobs/file_report.hpp"

namespace pelcon::jobs {

// What a run tells its front end while it goes. Any of them may be empty; each may be called
// from any worker thread (never two at once for fileStarted and fileDone).
struct RunCallbacks {
  // The inputs are known, before any is begun.
  std::function<void(std::size_t inputs)> started;
  // An input is begun, with its index among the run's inputs.
  std::function<void(std::size_t index)> fileStarted;
  // An input is done; inputs finish in any order.
  std::function<void(std::size_t index, const FileOutcome& outcome)> fileDone;
  // More records were written (the count since the last call).
  std::function<void(std::size_t records)> recordsWritten;
  // Asked often; true cancels the run: outputs begun are removed, inputs not begun not reached.
  std::function<bool()> cancelRequested;

  bool CancelRequested() const { return cancelRequested && cancelRequested(); }
};

// Runs the file job on each input on up to workers threads. outcomes holds one outcome per input
// (its input and output named); each is replaced by what the job gives, and those never begun
// because of a cancel are marked not reached.
void RunFiles(std::vector<FileOutcome>& outcomes, unsigned workers,
              const std::function<FileOutcome(std::size_t index)>& fileJob,
              const RunCallbacks& callbacks);

}  // namespace pelcon::jobs
