#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcon {
class LogFileReader;
}

namespace pelcon::jobs {

// A column of the column table with what it shows; text in Windows-1252 as the table stores it.
struct ListedColumn {
  std::string title;
  std::string valueName;
  std::string unit;
  bool supplied = false;
};

// The table's display name (Windows-1252) of a column named in UTF-8, letter case ignored;
// nothing when no column has the name.
std::optional<std::string> TableColumnNamed(std::string_view utf8Name);
// The message for a name no column has.
std::string UnknownColumnMessage(std::string_view utf8Name);

// Every column of the table with its value's unit in general (no file: supplied is false).
std::vector<ListedColumn> ColumnTableListing();
// Every column of the table as an open log file gives it: its unit there, and whether the file
// can supply it.
std::vector<ListedColumn> FileColumnListing(LogFileReader& reader);

}  // namespace pelcon::jobs
