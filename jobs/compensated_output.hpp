#pragma once

#include "cli/compensation_run.hpp"
#include "cli/output_format.hpp"
#include "cli/output_publishing.hpp"
#include "cli/text_format.hpp"

namespace pelcon::cli {

// Writes a compensated level record in the chosen format, staged so that nothing partial is ever
// left at the target. The text format applies to CSV files only.
WriteResult WriteCompensatedOutput(OutputFormat format, const CompensationRun& run,
                                   const TextFormat& textFormat, const OutputTarget& target,
                                   const RecordCounter& counter);

}  // namespace pelcon::cli
