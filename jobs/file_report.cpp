#include "jobs/file_report.hpp"

#include "jobs/json_text.hpp"
#include "jobs/log_summary.hpp"

namespace pelcon::jobs {

namespace {

const char* StatusName(FileStatus status) {
  switch (status) {
    case FileStatus::kConverted:
      return "converted";
    case FileStatus::kWouldWrite:
      return "would-write";
    case FileStatus::kSkipped:
      return "skipped";
    case FileStatus::kExists:
      return "exists";
    case FileStatus::kCancelled:
      return "cancelled";
    case FileStatus::kNotReached:
      return "not-reached";
    case FileStatus::kFailed:
      break;
  }
  return "failed";
}

}  // namespace

void DescribeInput(const LogSummary& input, FileOutcome& outcome) {
  outcome.device = input.deviceType;
  outcome.serialNumber = input.serialNumber;
  outcome.firstRecord = input.firstRecord;
  outcome.lastRecord = input.lastRecord;
}

bool IsFailure(FileStatus status) {
  return status == FileStatus::kExists || status == FileStatus::kFailed;
}

std::string ReportLine(const FileOutcome& o) {
  std::string line = StatusName(o.status);
  line.resize(12, ' ');
  line += o.input;
  switch (o.status) {
    case FileStatus::kConverted:
      line += " -> " + o.output + " (" + std::to_string(o.records) + " records)";
      break;
    case FileStatus::kWouldWrite:
      line += " -> " + o.output;
      break;
    case FileStatus::kSkipped:
      line += " -> " + o.output + " (up to date)";
      break;
    case FileStatus::kExists:
      line += " -> " + o.output + " (already there; --overwrite replaces it)";
      break;
    case FileStatus::kFailed:
      line += ": " + o.error;
      break;
    case FileStatus::kCancelled:
    case FileStatus::kNotReached:
      break;
  }
  return line + "\n";
}

nlohmann::json ReportObject(const FileOutcome& o) {
  return {{"input", o.input},
          {"output", o.output.empty() ? nlohmann::json() : nlohmann::json(o.output)},
          {"status", StatusName(o.status)},
          {"records", o.records},
          {"first_record", TimeJson(o.firstRecord)},
          {"last_record", TimeJson(o.lastRecord)},
          {"device", o.device.empty() ? nlohmann::json() : nlohmann::json(o.device)},
          {"serial_number", o.serialNumber ? nlohmann::json(*o.serialNumber) : nlohmann::json()},
          {"error", o.error.empty() ? nlohmann::json() : nlohmann::json(o.error)}};
}

std::string ReportJson(const FileOutcome& o) {
  return JsonLine(ReportObject(o));
}

bool RecordWrite(const outputs::WriteResult& result, FileOutcome& outcome) {
  switch (result.status) {
    case outputs::WriteStatus::kWritten:
      return true;
    case outputs::WriteStatus::kExists:
      outcome.status = FileStatus::kExists;
      return false;
    case outputs::WriteStatus::kStopped:
      outcome.status = FileStatus::kCancelled;
      return false;
    case outputs::WriteStatus::kFailed:
      outcome.error = result.error;
      return false;
  }
  return false;
}

const outputs::OutputFormat* FindFormat(const std::string& name, std::string& error) {
  const outputs::OutputFormat* format = outputs::FindOutputFormat(name);
  if (format == nullptr) {
    error = "the format " + name + " is not available in this build (" +
            outputs::OutputFormatNames(", ") + ")";
  }
  return format;
}

}  // namespace pelcon::jobs
