#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pelcon::test {

// Every display name of the column table and one entry that names no column.
std::vector<std::string> AllColumnEntries();

// Opens the log file with a reader and expects every cell of every record that the plan of the
// entries gives to be the reader's GetCellText. Returns the number of cells compared.
std::size_t ExpectSameCells(const std::string& logPath, const std::vector<std::string>& entries);

}  // namespace pelcon::test
