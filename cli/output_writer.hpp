#pragma once

// The seam between a subcommand and the output formats: one call writes one log file's output
// in the chosen format, staged so that nothing partial is ever left at the target.

#include <cstddef>
#include <functional>
#include <string>

#include "cli/column_choice.hpp"
#include "cli/output_format.hpp"
#include "cli/text_format.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::cli {

struct OutputTarget {
  std::string input;   // the log file, as given
  std::string output;  // the file to write
  bool replaceExisting = false;
};

enum class WriteStatus { kWritten, kExists, kStopped, kFailed };

struct WriteResult {
  WriteStatus status = WriteStatus::kFailed;
  std::string error;  // kFailed: "cannot write OUT: reason"
};

// Told the count of records written so far; returning false stops the writing.
using RecordCounter = std::function<bool(std::size_t records)>;

// Writes the output of an open log file. The text format applies to CSV files only.
WriteResult WriteOutput(OutputFormat format, LogFileReader& reader, const ColumnChoice& choice,
                        const TextFormat& textFormat, const OutputTarget& target,
                        const RecordCounter& counter);

}  // namespace pelcon::cli
