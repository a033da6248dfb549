#pragma once

#include "jobs/compensation_run.hpp"
#include "outputs/output_format.hpp"
#include "outputs/output_publishing.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::jobs {

// Writes a compensated level record in the chosen format, staged so that nothing partial is ever
// left at the target. The text format applies to CSV files only.
outputs::WriteResult WriteCompensatedOutput(outputs::OutputFormat format,
                                            const CompensationRun& run,
                                            const outputs::TextFormat& textFormat,
                                            const outputs::OutputTarget& target,
                                            const outputs::RecordCounter& counter);

}  // namespace pelcon::jobs
