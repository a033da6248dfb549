#pragma once

#include <string>

#include "outputs/table.hpp"

namespace pelcon::outputs {

// Data rows a sheet holds below its title row; later records continue on "Data 2", "Data 3", ...
inline constexpr std::size_t kRowsPerSheet = 1048575;

// Writes the workbook of the records at path: sheets "Data" (the title row, then one row per
// record: numbers with the column's decimals, date-time cells, an empty cell for a value the file
// cannot supply) and "Header" (the header report as field and value). scratchFolder takes the
// library's temporary files. False with a message in error on failure or when progress stopped it.
bool WriteWorkbook(const TableDescription& series, const TableRecords& records,
                   const std::string& path, const std::string& scratchFolder,
                   const RecordProgress& progress, std::string& error);

}  // namespace pelcon::outputs
