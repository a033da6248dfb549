#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace pelcon::jobs {

struct ListedColumn;

// Text stored as Windows-1252 (names from log files and templates), as a JSON string.
nlohmann::json Windows1252Json(std::string_view bytes);
// An ISO 8601 time in the logger's clock, or null.
nlohmann::json TimeJson(std::optional<double> julian);
// A listed column as `columns --json` and `inspect --json` show it; whether the file supplies it
// only with withSupplied.
nlohmann::json ListedColumnJson(const ListedColumn& column, bool withSupplied);
// One line of JSON: invalid UTF-8 in paths is replaced rather than failing.
std::string JsonLine(const nlohmann::json& value);

}  // namespace pelcon::jobs
