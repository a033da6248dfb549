#pragma once

// The seam between a subcommand and the output formats: one call writes one log file's output
// in the chosen format, staged so that nothing partial is ever left at the target.

#include "cli/column_choice.hpp"
#include "cli/output_format.hpp"
#include "cli/output_publishing.hpp"
#include "cli/text_format.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::cli {

// Writes the output of an open log file. The text format applies to CSV files only.
WriteResult WriteOutput(OutputFormat format, LogFileReader& reader, const ColumnChoice& choice,
                        const TextFormat& textFormat, const OutputTarget& target,
                        const RecordCounter& counter);

}  // namespace pelcon::cli
