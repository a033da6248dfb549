#pragma once

// The seam between a subcommand and the output formats: one call writes one log file's output
// in the chosen format, staged so that nothing partial is ever left at the target.

#include "export/column_choice.hpp"
#include "outputs/output_format.hpp"
#include "outputs/output_publishing.hpp"
#include "outputs/text_format.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::jobs {

// Writes the output of an open log file. The text format applies to CSV files only.
outputs::WriteResult WriteOutput(outputs::OutputFormat format, LogFileReader& reader,
                                 const ColumnChoice& choice, const outputs::TextFormat& textFormat,
                                 const outputs::OutputTarget& target,
                                 const outputs::RecordCounter& counter);

}  // namespace pelcon::jobs
