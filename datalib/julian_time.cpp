#include "datalib/julian_time.hpp"

#include "datalib/calendar.hpp"
#include "datalib/date_time_value.hpp"

namespace pelcon {
namespace {

constexpr long long kDay1970January1 = 25569;  // days from 1899-12-30
constexpr long long kMillisecondsPerDay = 86400000;

// The calendar time the CSV file prints for a Julian date: its day counted from 1899-12-30 and
// the milliseconds of that day.
void SplitJulian(double julian, long long& day, long long& millisecond) {
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  day = static_cast<long long>(MakeDateTimeValue(t.year, t.month, t.day, 0, 0, 0).days);
  millisecond = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

}  // namespace

double SpreadsheetDay(double julian) {
  long long day = 0;
  long long millisecond = 0;
  SplitJulian(julian, day, millisecond);
  return static_cast<double>(day) + static_cast<double>(millisecond) / kMillisecondsPerDay;
}

long long MillisecondsSince1970(double julian) {
  long long day = 0;
  long long millisecond = 0;
  SplitJulian(julian, day, millisecond);
  return (day - kDay1970January1) * kMillisecondsPerDay + millisecond;
}

}  // namespace pelcon
