#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// `pelcon convert`: the job's options and how the run is reported.
struct ConvertCommand {
  jobs::ConvertOptions job;
  bool quiet = false;  // no progress line
  bool json = false;   // one JSON object per input instead of the report lines
};

// Converts every input; 0 when all succeeded, 1 when any failed, 130 when interrupted (after
// removing every unfinished output).
int RunConvert(const ConvertCommand& command);

}  // namespace pelcon::cli
