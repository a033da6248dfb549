#pragma once

#include <string>

#include "cli/compensation_run.hpp"
#include "cli/text_format.hpp"

namespace pelcon::cli {

// The CSV file of a compensated level record: the header section, the title line and one line
// per level record, in the format's encoding and time style, CR LF line ends.
std::string CompensatedCsv(const CompensationRun& run, const TextFormat& format);

}  // namespace pelcon::cli
