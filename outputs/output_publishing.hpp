#pragma once

// Writing a table into a file of any format: staged out of sight and given its name only when
// complete, so that nothing partial is ever left at the target. The one place outputs are
// created and published, for every job and format.

#include <cstddef>
#include <functional>
#include <string>

#include "outputs/output_format.hpp"

namespace pelcon::outputs {

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

// Writes the table in the format to the target. The text options apply to text formats.
WriteResult WriteTable(const OutputFormat& format, const TableDescription& table,
                       const TableRecords& records, const TextFormat& text,
                       const OutputTarget& target, const RecordRun& run);

// Writes bytes made whole beforehand (a JSON sidecar) to the target.
WriteResult WriteBytes(std::string_view bytes, const OutputTarget& target);

}  // namespace pelcon::outputs
