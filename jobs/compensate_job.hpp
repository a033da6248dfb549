#pragma once

// Compensating level files with a barometric file, for every front end. It never prints; what
// happens is told through the callbacks.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jobs/compensation_run.hpp"
#include "jobs/convert_job.hpp"
#include "jobs/options.hpp"

namespace pelcon::jobs {

struct CompensateCallbacks : RunCallbacks {
  // A level file is done; run is its compensation when it got that far (its warnings, figures).
  std::function<void(std::size_t index, const FileOutcome& outcome, const CompensationRun* run)>
      levelDone;
};

struct CompensateResult {
  // Why the run could not start (the barometric file cannot be used, the output folder cannot
  // be made); then there are no outcomes.
  std::string error;
  std::vector<FileOutcome> outcomes;  // one per level file, in order
  bool cancelled = false;
};

// The name of a level file's output without a given name: LEVEL.bin.compensated.csv.
std::string CompensatedNamePattern(const outputs::OutputFormat& format);

// Writes a compensated output per level file.
CompensateResult Compensate(const CompensateOptions& options,
                            const CompensateCallbacks& callbacks = {});

}  // namespace pelcon::jobs
