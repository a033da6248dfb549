#pragma once

#include "jobs/compensation_run.hpp"
#include "outputs/output_format.hpp"
#include "outputs/output_publishing.hpp"

namespace pelcon::jobs {

// Writes a compensated level record as a workbook or a NetCDF file (builds with the typed
// outputs only): the columns of the CSV file, and its header section as the Header sheet or as
// global attributes.
outputs::WriteResult WriteTypedCompensation(outputs::OutputFormat format,
                                            const CompensationRun& run,
                                            const outputs::OutputTarget& target,
                                            const outputs::RecordCounter& counter);

}  // namespace pelcon::jobs
