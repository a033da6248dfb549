#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/file_entry.hpp"

namespace pelcon::ui {

enum class FileStatus {
  kConverted,
  kFailed,
  kCancelled,  // stopped part way; the output holds the records written before
  kSkipped,    // not reached: the run was cancelled before it
};

// What a batch run did with one of its files: the line of the results list.
struct FileResult {
  FileEntry file;
  FileStatus status = FileStatus::kSkipped;
  long long recordsWritten = 0;
  std::string outputPath;  // empty when nothing was written
  std::string reason;      // why it failed: the converter's messages, one per line

  bool operator==(const FileResult&) const = default;
};

std::string_view StatusText(FileStatus status);

// The columns of the results list, the same in every front end, with their widths in dialog
// units.
struct ResultColumn {
  std::string_view title;
  int width;
};
inline constexpr std::array<ResultColumn, 5> kResultColumns = {
    {{"File", 60}, {"Status", 36}, {"Records", 30}, {"Output", 70}, {"Reason", 120}}};
// The texts of a results list line in the order of kResultColumns; a reason of several lines
// becomes one.
std::array<std::string, 5> ResultRowTexts(const FileResult& result);

}  // namespace pelcon::ui
