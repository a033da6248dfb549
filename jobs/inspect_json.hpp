#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "jobs/column_listing.hpp"
#include "jobs/log_summary.hpp"

namespace pelcon::jobs {

inline constexpr int kInspectSchemaVersion = 1;

// What `inspect --json` prints for a file: its header, channels, the columns it supplies and the
// problems found while loading.
nlohmann::json InspectJson(const std::string& path, const LogSummary& summary,
                           const std::vector<ListedColumn>& columns);
// What `inspect --json` prints for a file that cannot be read.
nlohmann::json InspectErrorJson(const std::string& path, const std::string& error);

}  // namespace pelcon::jobs
