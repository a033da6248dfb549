#pragma once

// The output formats: one writer interface, and the registry that finds a format by name. A
// format is a folder of outputs/ whose CMakeLists.txt registers it (pelcon_output_format); nothing
// else names it.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "outputs/csv/csv_writer.hpp"
#include "outputs/record_run.hpp"
#include "outputs/table.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::outputs {

// Where a writer puts its file, staged by the caller: a stream of bytes, or for a format whose
// library writes files by name, a path and a folder for the library's scratch files.
struct WriterTarget {
  ByteSink stream;
  std::string path;
  std::string scratchFolder;
};

// Writes one file: the table's columns and description first, then its records, then the end.
class FormatWriter {
 public:
  virtual ~FormatWriter() = default;
  virtual bool Begin(const TableDescription& table) = 0;
  virtual RunOutcome Take(const TableRecords& records, const RecordRun& run) = 0;
  virtual bool Finish() = 0;
  // Why the last call failed.
  const std::string& Error() const { return error_; }

 protected:
  std::string error_;
};

struct OutputFormat {
  std::string_view name;       // as --format gives it: "csv"
  std::string_view extension;  // of its files: ".csv"
  std::string_view summary;    // for help texts: "CSV file"
  bool writesByPath = false;   // its library opens the file by name (else: a byte stream)
  // A writer to the target; text options apply to the formats that write text.
  std::unique_ptr<FormatWriter> (*open)(const WriterTarget& target, const TextFormat& text);
};

// Every format this build writes, in the order help texts list them; CSV first.
std::span<const OutputFormat> OutputFormats();
// The format of that name; nothing when this build has none.
const OutputFormat* FindOutputFormat(std::string_view name);
// The names of the formats joined with separator: "csv, xlsx, netcdf".
std::string OutputFormatNames(std::string_view separator);
// The output name of a format when no name is given: "{name}.csv".
std::string DefaultNamePattern(const OutputFormat& format);

}  // namespace pelcon::outputs
