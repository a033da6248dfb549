#pragma once

#include "cli/compensation_run.hpp"
#include "cli/output_format.hpp"
#include "cli/output_publishing.hpp"

namespace pelcon::cli {

// Writes a compensated level record as a workbook or a NetCDF file (builds with the typed
// outputs only): the columns of the CSV file, and its header section as the Header sheet or as
// global attributes.
WriteResult WriteTypedCompensation(OutputFormat format, const CompensationRun& run,
                                   const OutputTarget& target, const RecordCounter& counter);

}  // namespace pelcon::cli
