#pragma once

#include <string>

#include "cli/log_summary.hpp"
#include "compensation/compensation_table.hpp"

namespace pelcon::cli {

// One level file compensated with the barometric file: what every output of it states.
struct CompensationRun {
  std::string levelPath;
  std::string barometricPath;
  LogSummary level;
  LogSummary barometric;
  CompensationSettings settings;  // density and gravity as used
  CompensationTable table;
};

}  // namespace pelcon::cli
