#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>

#include "outputs/output_publishing.hpp"

namespace pelcon::jobs {

struct LogSummary;

enum class FileStatus {
  kConverted,
  kWouldWrite,  // --dry-run
  kSkipped,     // --skip-existing, the output is newer
  kExists,      // the output exists and --overwrite was not given
  kFailed,
};

// What became of one input of `convert`.
struct FileOutcome {
  std::string input;
  std::string output;
  FileStatus status = FileStatus::kFailed;
  std::size_t records = 0;
  std::optional<double> firstRecord, lastRecord;  // Julian days, logger clock
  std::string device;                             // empty when the file was not read
  std::optional<int> serialNumber;
  std::string error;
};

// Fills the outcome's device, serial number and record times from its input's summary.
void DescribeInput(const LogSummary& input, FileOutcome& outcome);

// Whether the outcome makes the run fail (exit 1).
bool IsFailure(FileStatus status);

// One line for people: "converted  IN -> OUT (N records)", "failed  IN: reason", ...
std::string ReportLine(const FileOutcome& outcome);
// The JSON object of an outcome, for commands that add to it.
nlohmann::json ReportObject(const FileOutcome& outcome);
// One JSON object on one line.
std::string ReportJson(const FileOutcome& outcome);

// Records a write that did not succeed in the outcome; true when it succeeded.
bool RecordWrite(const outputs::WriteResult& result, FileOutcome& outcome);

}  // namespace pelcon::jobs
