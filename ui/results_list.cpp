#include "ui/results_list.hpp"

#include <algorithm>

#include "export/path_names.hpp"

namespace pelcon::ui {

std::string_view StatusText(jobs::FileStatus status) {
  using jobs::FileStatus;
  switch (status) {
    case FileStatus::kConverted:
      return "converted";
    case FileStatus::kCancelled:
      return "cancelled";
    case FileStatus::kNotReached:
      return "not reached";
    // The dialog always writes and replaces: these come from the command line's options only.
    case FileStatus::kWouldWrite:
      return "would write";
    case FileStatus::kSkipped:
      return "up to date";
    case FileStatus::kExists:
      return "exists";
    case FileStatus::kFailed:
      break;
  }
  return "failed";
}

std::array<std::string, 5> ResultRowTexts(const jobs::FileOutcome& outcome) {
  std::string reason = outcome.error;
  std::replace(reason.begin(), reason.end(), '\n', ' ');
  const bool wroteRecords = outcome.status == jobs::FileStatus::kConverted ||
                            outcome.status == jobs::FileStatus::kCancelled;
  return {FileNameOf(outcome.input), std::string(StatusText(outcome.status)),
          wroteRecords ? std::to_string(outcome.records) : std::string(), outcome.output,
          std::move(reason)};
}

}  // namespace pelcon::ui
