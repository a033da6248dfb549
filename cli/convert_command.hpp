#pragma once

#include <string>
#include <vector>

#include "jobs/file_report.hpp"
#include "jobs/options.hpp"

namespace pelcon::cli {

// Converts every input; 0 when all succeeded, 1 when any failed, 130 when interrupted (after
// removing every unfinished output).
int RunConvert(const jobs::ConvertOptions& options);

// Converts every input as RunConvert does, one after the other on the calling thread, and gives
// the outcomes in input order instead of printing them: no report, no progress line, interrupts
// left to the caller (the Python module). Nothing, with the message in error, when the run
// cannot start (the template cannot be read, the output folder cannot be made).
std::vector<jobs::FileOutcome> ConvertInOrder(const jobs::ConvertOptions& options,
                                              std::string& error);

}  // namespace pelcon::cli
