#pragma once

// Converting log files, one output per input, for every front end: the command line, the batch
// dialog and Python. It never prints; what happens is told through the callbacks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "jobs/file_report.hpp"
#include "jobs/file_runner.hpp"
#include "jobs/options.hpp"

namespace pelcon::jobs {

struct ConvertResult {
  // Why the run could not start (a template that cannot be read, an output folder that cannot
  // be made); then there are no outcomes.
  std::string error;
  std::vector<FileOutcome> outcomes;  // one per input, in input order
  bool cancelled = false;
};

ConvertResult Convert(const ConvertOptions& options, const RunCallbacks& callbacks = {});

}  // namespace pelcon::jobs
