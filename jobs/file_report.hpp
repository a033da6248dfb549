#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>

#include "outputs/output_format.hpp"
#include "outputs/output_publishing.hpp"

namespace pelcon::jobs {

struct LogSummary;

// What became of an input, told the same way by the command line, the dialog and Python.
enum class FileStatus {
  kConverted,
  kWouldWrite,  // a dry run
  kSkipped,     // the output is newer than the input, and up-to-date outputs are skipped
  kExists,      // the output exists and replacing it was not asked for
  kFailed,
  kCancelled,   // the run was cancelled while the input was being written
  kNotReached,  // the run was cancelled before the input was begun
};

// What became of one input of a run.
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

// The output format of that name; nothing, with the message in error, when this build has none.
const outputs::OutputFormat* FindFormat(const std::string& name, std::string& error);

}  // namespace pelcon::jobs
