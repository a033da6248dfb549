#pragma once

#include "cli/output_writer.hpp"

namespace pelcon::cli {

// Writes a workbook or a NetCDF file (builds with the typed outputs only).
WriteResult WriteTypedOutput(OutputFormat format, LogFileReader& reader, const ColumnChoice& choice,
                             const TextFormat& textFormat, const OutputTarget& target,
                             const RecordCounter& counter);

}  // namespace pelcon::cli
