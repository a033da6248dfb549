#pragma once

namespace pelcon::outputs {

// A Julian date as a spreadsheet serial day (days since 1899-12-30 00:00).
double SpreadsheetDay(double julian);
// A Julian date as seconds since 1970-01-01 00:00 of the same clock, to the millisecond.
double SecondsSince1970(double julian);

}  // namespace pelcon::outputs
