#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "jobs/options.hpp"

namespace pelcon::python {

// A level file compensated with a barometric file: the columns of the compensated CSV file.
struct CompensatedFrame {
  std::vector<std::string> names;  // the CSV titles of the number columns
  // Record times in the level logger's clock as nanoseconds since 1970-01-01 00:00.
  std::vector<std::int64_t> times;
  std::vector<std::vector<double>> values;  // per column; NaN where the CSV cell is empty
  std::vector<std::int64_t> compensated;    // the flag column: 1 or 0
  std::vector<std::string> warnings;
  // What `compensate --json` reports for the file, less what concerns an output file.
  nlohmann::json report;
};

// Compensates the one level file of the options; false with the command line's message
// ("FILE: reason") in error. Nothing is written. Safe to call from several threads at once.
bool CompensateIntoFrame(const jobs::CompensateOptions& options, CompensatedFrame& frame,
                         std::string& error);

}  // namespace pelcon::python
