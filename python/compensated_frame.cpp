#include "python/compensated_frame.hpp"

#include <limits>
#include <optional>

#include "compensation/log_records.hpp"
#include "jobs/compensated_layout.hpp"
#include "jobs/compensation_json.hpp"
#include "jobs/file_report.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/log_summary.hpp"
#include "python/record_time.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::python {
namespace {

bool Failed(const std::string& path, const std::string& reason, std::string& error) {
  error = path + ": " + reason;
  return false;
}

void FillFrame(const jobs::CompensationRun& run, CompensatedFrame& frame) {
  const std::vector<CompensatedRecord>& records = run.table.records;
  // The CSV file's number columns; the time becomes the index and the flag an integer column.
  std::vector<jobs::CompensatedColumn> columns = jobs::CompensatedColumns(run.settings);
  std::erase_if(columns, [](const jobs::CompensatedColumn& column) {
    return column.field == jobs::CompensatedField::kTime ||
           column.field == jobs::CompensatedField::kCompensated;
  });
  frame.names.clear();
  for (const jobs::CompensatedColumn& column : columns) frame.names.push_back(column.title);
  frame.values.assign(columns.size(), std::vector<double>(records.size()));
  frame.times.resize(records.size());
  frame.compensated.resize(records.size());
  for (std::size_t r = 0; r < records.size(); ++r) {
    const CompensatedRecord& record = records[r];
    frame.times[r] = UnixNanoseconds(record.seconds / 86400);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      frame.values[c][r] = jobs::FieldValue(record, columns[c].field)
                               .value_or(std::numeric_limits<double>::quiet_NaN());
    }
    frame.compensated[r] = record.waterColumn ? 1 : 0;
  }
  frame.warnings = run.table.warnings;
}

}  // namespace

bool CompensateIntoFrame(const jobs::CompensateOptions& options, CompensatedFrame& frame,
                         std::string& error) {
  const std::string& levelPath = options.levelFiles.front();
  LogFileReader barometricReader;
  std::string reason;
  if (!jobs::OpenLogFile(options.barometricFile, barometricReader, reason)) {
    return Failed(options.barometricFile, reason, error);
  }
  const std::optional<std::vector<TimedValue>> barometric =
      ReadBarometricRecords(barometricReader.Log(), reason);
  if (!barometric) return Failed(options.barometricFile, reason, error);
  LogFileReader levelReader;
  if (!jobs::OpenLogFile(levelPath, levelReader, reason)) return Failed(levelPath, reason, error);

  const jobs::CompensationRun run =
      jobs::CompensateWithOptions(levelPath, levelReader.Log(), options.barometricFile,
                                  jobs::SummarizeLog(barometricReader.Log()), *barometric, options);
  if (!run.table.error.empty()) return Failed(levelPath, run.table.error, error);

  FillFrame(run, frame);
  jobs::FileOutcome outcome;
  outcome.input = levelPath;
  outcome.records = run.table.records.size();
  jobs::DescribeInput(run.level, outcome);
  frame.report = jobs::ReportObject(outcome);
  for (const char* key : {"output", "status", "error"}) frame.report.erase(key);
  frame.report["compensation"] = jobs::CompensationJson(run);
  return true;
}

}  // namespace pelcon::python
