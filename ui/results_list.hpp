#pragma once

#include <array>
#include <string>
#include <string_view>

#include "jobs/file_report.hpp"

namespace pelcon::ui {

// The status column's text: "converted", "failed", "cancelled" (stopped part way; the output
// holds the records written before), "not reached" (the run was cancelled before the file).
std::string_view StatusText(jobs::FileStatus status);

// The columns of the results list, the same in every front end, with their widths in dialog
// units.
struct ResultColumn {
  std::string_view title;
  int width;
};
inline constexpr std::array<ResultColumn, 5> kResultColumns = {
    {{"File", 60}, {"Status", 36}, {"Records", 30}, {"Output", 70}, {"Reason", 120}}};
// The texts of a results list line in the order of kResultColumns: the input's file name, the
// status, the records written, the output and the reason of a failure (its lines joined).
std::array<std::string, 5> ResultRowTexts(const jobs::FileOutcome& outcome);

}  // namespace pelcon::ui
