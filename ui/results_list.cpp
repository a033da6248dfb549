#include "ui/file_result.hpp"

#include <algorithm>

namespace pelcon::ui {

std::string_view StatusText(FileStatus status) {
  switch (status) {
    case FileStatus::kConverted:
      return "converted";
    case FileStatus::kFailed:
      return "failed";
    case FileStatus::kCancelled:
      return "cancelled";
    case FileStatus::kSkipped:
      break;
  }
  return "skipped";
}

std::array<std::string, 5> ResultRowTexts(const FileResult& result) {
  std::string reason = result.reason;
  std::replace(reason.begin(), reason.end(), '\n', ' ');
  const bool wroteRecords =
      result.status == FileStatus::kConverted || result.status == FileStatus::kCancelled;
  return {result.file.fileName, std::string(StatusText(result.status)),
          wroteRecords ? std::to_string(result.recordsWritten) : std::string(), result.outputPath,
          std::move(reason)};
}

}  // namespace pelcon::ui
