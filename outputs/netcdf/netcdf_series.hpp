#pragma once

#include <string>

#include "outputs/table.hpp"

namespace pelcon::outputs {

// Writes the records as a NetCDF-4 file at path following CF-1.8 for a single station's time
// series: a time coordinate, one compressed variable per number or date-time column (the record
// time column is the coordinate itself; text columns are the station and test attributes) and the
// header report as global attributes. False with a message in error on failure or when progress
// stopped it.
bool WriteNetcdfSeries(const TableDescription& series, const TableRecords& records,
                       const std::string& path, const RecordProgress& progress, std::string& error);

}  // namespace pelcon::outputs
