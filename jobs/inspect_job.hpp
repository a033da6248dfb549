#pragma once

// What a log file holds, for `inspect`, `columns`, the description beside an output and Python.

#include <optional>
#include <string>
#include <vector>

#include "jobs/column_listing.hpp"
#include "jobs/log_summary.hpp"

namespace pelcon::jobs {

struct LogInspection {
  std::string error;  // why the file cannot be read; then nothing else is set
  LogSummary summary;
  std::vector<ListedColumn> columns;  // every column, with whether the file supplies it
};

LogInspection InspectLogFile(const std::string& path);

struct ColumnListing {
  std::string error;  // why the file cannot be read
  std::vector<ListedColumn> columns;
};

// The columns, and with a file which of them it supplies.
ColumnListing ListColumns(const std::optional<std::string>& path);

}  // namespace pelcon::jobs
