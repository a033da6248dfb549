#pragma once

#include "jobs/output_writer.hpp"

namespace pelcon::jobs {

// Writes a workbook or a NetCDF file (builds with the typed outputs only).
outputs::WriteResult WriteTypedOutput(outputs::OutputFormat format, LogFileReader& reader,
                                      const ColumnChoice& choice,
                                      const outputs::TextFormat& textFormat,
                                      const outputs::OutputTarget& target,
                                      const outputs::RecordCounter& counter);

}  // namespace pelcon::jobs
