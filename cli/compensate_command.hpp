#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// `pelcon compensate`: the job's options and how the run is reported.
struct CompensateCommand {
  jobs::CompensateOptions job;
  bool quiet = false;  // no progress line
  bool json = false;   // one JSON object per level file instead of the report lines
};

// Compensates every level file; 0 when all succeeded, 1 when any failed, 130 when interrupted.
int RunCompensate(const CompensateCommand& command);

}  // namespace pelcon::cli
