#pragma once

// Record times for outputs that store them as numbers (workbooks, NetCDF, frames, plots), from
// the calendar time the CSV file prints for a Julian date (to the millisecond), so that all show
// the same instant.

namespace pelcon {

// A Julian date as a spreadsheet serial day (days since 1899-12-30 00:00).
double SpreadsheetDay(double julian);
// A Julian date as milliseconds since 1970-01-01 00:00 of the same clock.
long long MillisecondsSince1970(double julian);

}  // namespace pelcon
