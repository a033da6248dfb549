#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/column_listing.hpp"
#include "cli/log_summary.hpp"

namespace pelcon::cli {

inline constexpr int kInspectSchemaVersion = 1;

// What `inspect --json` prints for a file that could be read (docs/inspect-json.md).
nlohmann::json InspectJson(const std::string& path, const LogSummary& summary,
                           const std::vector<ListedColumn>& columns);

}  // namespace pelcon::cli
