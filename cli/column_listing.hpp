#pragma once

#include <string>
#include <vector>

namespace pelcon {
class LogFileReader;
}

namespace pelcon::cli {

// A column of the column table with what it shows; text in Windows-1252 as the table stores it.
struct ListedColumn {
  std::string title;
  std::string valueName;
  std::string unit;
  bool supplied = false;
};

// Every column of the table with its value's unit in general (no file: supplied is false).
std::vector<ListedColumn> ColumnTableListing();
// Every column of the table as an open log file gives it: its unit there, and whether the file
// can supply it.
std::vector<ListedColumn> FileColumnListing(LogFileReader& reader);

}  // namespace pelcon::cli
