#pragma once

#include <string>

#include "compensation/compensation_table.hpp"
#include "jobs/log_summary.hpp"

namespace pelcon::jobs {

// One level file compensated with the barometric file: what every output of it states.
struct CompensationRun {
  std::string levelPath;
  std::string barometricPath;
  LogSummary level;
  LogSummary barometric;
  CompensationSettings settings;  // density and gravity as used
  CompensationTable table;
};

}  // namespace pelcon::jobs
