#include "python/compensated_frame.hpp"

#include <limits>
#include <optional>

#include "cli/compensated_layout.hpp"
#include "cli/compensation_json.hpp"
#include "cli/file_report.hpp"
#include "cli/log_opening.hpp"
#include "cli/log_summary.hpp"
#include "compensation/log_records.hpp"
#include "python/record_time.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::python {
namespace {

bool Failed(const std::string& path, const std::string& reason, std::string& error) {
  error = path + ": " + reason;
  return false;
}

void FillFrame(const cli::CompensationRun& run, CompensatedFrame& frame) {
  const std::vector<CompensatedRecord>& records = run.table.records;
  // The CSV file's number columns; the time becomes the index and the flag an integer column.
  std::vector<cli::CompensatedColumn> columns = cli::CompensatedColumns(run.settings);
  std::erase_if(columns, [](const cli::CompensatedColumn& column) {
    return column.field == cli::CompensatedField::kTime ||
           column.field == cli::CompensatedField::kCompensated;
  });
  frame.names.clear();
  for (const cli::CompensatedColumn& column : columns) frame.names.push_back(column.title);
  frame.values.assign(columns.size(), std::vector<double>(records.size()));
  frame.times.resize(records.size());
  frame.compensated.resize(records.size());
  for (std::size_t r = 0; r < records.size(); ++r) {
    const CompensatedRecord& record = records[r];
    frame.times[r] = UnixNanoseconds(record.seconds / 86400);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      frame.values[c][r] = cli::FieldValue(record, columns[c].field)
                               .value_or(std::numeric_limits<double>::quiet_NaN());
    }
    frame.compensated[r] = record.waterColumn ? 1 : 0;
  }
  frame.warnings = run.table.warnings;
}

}  // namespace

bool CompensateIntoFrame(const cli::CompensateOptions& options, CompensatedFrame& frame,
                         std::string& error) {
  const std::string& levelPath = options.levelFiles.front();
  LogFileReader barometricReader;
  std::string reason;
  if (!cli::OpenLogFile(options.barometricFile, barometricReader, reason)) {
    return Failed(options.barometricFile, reason, error);
  }
  const std::optional<std::vector<TimedValue>> barometric =
      ReadBarometricRecords(barometricReader.Log(), reason);
  if (!barometric) return Failed(options.barometricFile, reason, error);
  LogFileReader levelReader;
  if (!cli::OpenLogFile(levelPath, levelReader, reason)) return Failed(levelPath, reason, error);

  const cli::CompensationRun run =
      cli::CompensateWithOptions(levelPath, levelReader.Log(), options.barometricFile,
                                 cli::SummarizeLog(barometricReader.Log()), *barometric, options);
  if (!run.table.error.empty()) return Failed(levelPath, run.table.error, error);

  FillFrame(run, frame);
  cli::FileOutcome outcome;
  outcome.input = levelPath;
  outcome.records = run.table.records.size();
  cli::DescribeInput(run.level, outcome);
  frame.report = cli::ReportObject(outcome);
  for (const char* key : {"output", "status", "error"}) frame.report.erase(key);
  frame.report["compensation"] = cli::CompensationJson(run);
  return true;
}

}  // namespace pelcon::python
