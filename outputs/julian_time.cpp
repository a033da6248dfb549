#include "outputs/julian_time.hpp"

#include "datalib/calendar.hpp"

namespace pelcon::outputs {
namespace {

constexpr long kDaysFrom1970To1899December30 = -25569;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (H. Hinnant's
// days_from_civil).
long DaysSince1970(long year, long month, long day) {
  year -= month <= 2 ? 1 : 0;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The time of day in seconds and the day as the CSV file prints them (to the millisecond).
double SecondsOfDay(const DateTimeRecord& t) {
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

}  // namespace

double SpreadsheetDay(double julian) {
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  return static_cast<double>(DaysSince1970(t.year, t.month, t.day) -
                             kDaysFrom1970To1899December30) +
         SecondsOfDay(t) / 86400.0;
}

long long MillisecondsSince1970(double julian) {
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  const long long days = DaysSince1970(t.year, t.month, t.day);
  return ((days * 24 + t.hour) * 60 + t.minute) * 60000LL + t.second * 1000LL + t.millisecond;
}

}  // namespace pelcon::outputs
