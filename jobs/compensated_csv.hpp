#pragma once

#include <string>

#include "jobs/compensation_run.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::jobs {

// The CSV file of a compensated level record: the header section, the title line and one line
// per level record, in the format's encoding and time style, CR LF line ends.
std::string CompensatedCsv(const CompensationRun& run, const outputs::TextFormat& format);

}  // namespace pelcon::jobs
