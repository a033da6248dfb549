#pragma once

// Converting log files, one output per input, for every front end: the command line, the batch
// dialog and Python. It never prints; what happens is told through the callbacks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "jobs/file_report.hpp"
#include "jobs/options.hpp"

namespace pelcon::jobs {

// What a run tells its front end while it goes. Any of them may be empty; each may be called
// from any worker thread (never two at once for fileDone).
struct RunCallbacks {
  // The inputs are known, before any is begun.
  std::function<void(std::size_t inputs)> started;
  // An input is done, with its index among the run's inputs; inputs finish in any order.
  std::function<void(std::size_t index, const FileOutcome& outcome)> fileDone;
  // More records were written (the count since the last call).
  std::function<void(std::size_t records)> recordsWritten;
  // Asked often; true cancels the run: outputs begun are removed, inputs not begun not reached.
  std::function<bool()> cancelRequested;
};

struct ConvertResult {
  // Why the run could not start (a template that cannot be read, an output folder that cannot
  // be made); then there are no outcomes.
  std::string error;
  std::vector<FileOutcome> outcomes;  // one per input, in input order
  bool cancelled = false;
};

ConvertResult Convert(const ConvertOptions& options, const RunCallbacks& callbacks = {});

}  // namespace pelcon::jobs
