#pragma once

#include <string>

#include "cli/log_summary.hpp"
#include "cli/text_format.hpp"
#include "compensation/compensation_table.hpp"

namespace pelcon::cli {

// One level file compensated with the barometric file: what the output's header states.
struct CompensationRun {
  std::string levelPath;
  std::string barometricPath;
  LogSummary level;
  LogSummary barometric;
  CompensationSettings settings;  // density and gravity as used
  CompensationTable table;
};

// The time of a record in the format's style.
std::string RecordTimeText(double seconds, const TextFormat& format);

// The CSV file of a compensated level record: the header section, the title line and one line
// per level record, in the format's encoding and time style, CR LF line ends.
std::string CompensatedCsv(const CompensationRun& run, const TextFormat& format);

}  // namespace pelcon::cli
