#pragma once

// A table for the typed outputs written as a workbook or a NetCDF file (builds with the typed
// outputs only), staged so that nothing partial is ever left at the target.

#include "outputs/output_format.hpp"
#include "outputs/output_publishing.hpp"
#include "outputs/typed_series.hpp"

namespace pelcon::outputs {

// Sets the series' converter version and the time it is made.
void StampSeries(outputs::TypedSeries& series);

// Writes the records of the series in the format, kXlsx or kNetcdf.
WriteResult WriteTypedSeries(OutputFormat format, const outputs::TypedSeries& series,
                             outputs::SeriesRecords& records, const OutputTarget& target,
                             const RecordCounter& counter);

}  // namespace pelcon::outputs
