#include "datalib/calendar.hpp"

#include <cmath>
#include <cstdint>

namespace pelcon {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

// NormalizeDateTime calls DayOfWeek, which converts with DateTimeToJulian, which normalises
// again; the flag stops that after one pass. A process-wide flag would do; one per
// thread keeps the same single-thread behaviour and is safe should two conversions ever overlap.
thread_local bool normalizeOn = true;

// Rounds a day fraction to whole milliseconds: a remainder above half a millisecond rounds up,
// below half rounds down, exactly half is kept.
double RoundFractionToMillisecond(double fraction) {
  const double count = fraction * kMillisecondsPerDay;
  const double whole = std::floor(count);
  const double rest = count - whole;
  if (rest < 0.5) return whole / kMillisecondsPerDay;
  if (rest > 0.5) return (whole + 1.0) / kMillisecondsPerDay;
  return fraction;
}

std::uint16_t Field(double value) {
  return static_cast<std::uint16_t>(static_cast<long long>(value));
}

}  // namespace

int IsLeapYear(int year) {
  return (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0)) ? 1 : 0;
}

int DaysInMonth(int year, int month) {
  if (month > 12) month = (month - 1) % 12 + 1;
  switch (month) {
    case 2:
      return 28 + IsLeapYear(year);
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

int JulianToDateTime(double julian, DateTimeRecord& out) {
  const double z = std::floor(julian + 0.5);
  const double fractionOfDay = (julian + 0.5) - z;
  double a = z;
  if (z >= 2299161.0) {
    const double alpha = std::floor((z - 1867216.25) * (1.0 / 36524.25));
    a = z + 1.0 + alpha - std::floor(alpha / 4.0);
  }
  const double b = a + 1524.0;
  const double k = std::floor((b - 122.1) * (1.0 / 365.25));
  const double d = std::floor(365.25 * k);
  const double e = std::floor((b - d) * (1.0 / 30.6001));

  const double dayWithFraction = b - d - std::floor(30.6001 * e) + fractionOfDay;
  const double month = e >= 13.5 ? e - 13.0 : e - 1.0;
  const double year = month > 2.5 ? k - 4716.0 : k - 4715.0;
  const double day = std::trunc(dayWithFraction);

  double f = dayWithFraction - day;
  const double hour = std::floor(24.0 * f);
  f -= hour / 24.0;
  const double minute = std::floor(1440.0 * f);
  f -= minute / 1440.0;
  const double second = std::floor(86400.0 * f);
  f -= second / 86400.0;
  if (f > 1.0 / kMillisecondsPerDay) {
    f = RoundFractionToMillisecond(f);
  } else {
    f += 0.5 / kMillisecondsPerDay;
  }
  const double millisecond = std::trunc(f * kMillisecondsPerDay + 1e-9);

  out.year = Field(year);
  out.month = Field(month);
  out.day = Field(day);
  out.hour = Field(hour);
  out.minute = Field(minute);
  out.second = Field(second);
  out.millisecond = Field(millisecond);
  out.dayOfWeek = 0;
  NormalizeDateTime(out);
  return 1;
}

int DateTimeToJulian(const DateTimeRecord& in, double& julian) {
  DateTimeRecord r = in;
  NormalizeDateTime(r);
  const double y = r.year;
  const double m = r.month;
  const double h = r.hour + r.minute / 60.0 + r.second / 3600.0 + r.millisecond / 3600000.0;
  const double s = (100.0 * y + m - 190002.5) < 0.0 ? -1.0 : 1.0;
  const double j = 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
                   std::floor(275.0 * m / 9.0) + r.day + h / 24.0 + 1721013.5 - 0.5 * s + 0.5;
  const double whole = std::floor(j);
  julian = whole + RoundFractionToMillisecond(j - whole);
  return 1;
}

void NormalizeDateTime(DateTimeRecord& record) {
  if (!normalizeOn) return;
  long year = record.year;
  long month = record.month;
  long day = record.day;
  long hour = record.hour;
  long minute = record.minute;
  long second = record.second;
  long millisecond = record.millisecond;

  if (millisecond >= 1000) {
    second += millisecond / 1000;
    millisecond %= 1000;
  }
  if (second >= 60) {
    minute += second / 60;
    second %= 60;
  }
  if (minute >= 60) {
    hour += minute / 60;
    minute %= 60;
  }
  if (hour > 23) {
    day += hour / 24;
    hour %= 24;
  }
  // The month length is taken for the current year value; the year is carried only afterwards.
  while (day > DaysInMonth(static_cast<int>(year), static_cast<int>(month))) {
    day -= DaysInMonth(static_cast<int>(year), static_cast<int>(month));
    ++month;
  }
  if (month > 12) {
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
  }

  record.year = static_cast<std::uint16_t>(year);
  record.month = static_cast<std::uint16_t>(month);
  record.day = static_cast<std::uint16_t>(day);
  record.hour = static_cast<std::uint16_t>(hour);
  record.minute = static_cast<std::uint16_t>(minute);
  record.second = static_cast<std::uint16_t>(second);
  record.millisecond = static_cast<std::uint16_t>(millisecond);

  normalizeOn = false;
  record.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(record));
  normalizeOn = true;
}

int DayOfWeek(const DateTimeRecord& record) {
  double julian = 0.0;
  DateTimeToJulian(record, julian);
  const long long w = (static_cast<long long>(std::floor(julian + 0.5)) + 1) % 7 + 1;
  return w > 0 ? static_cast<int>(w - 1) : 6;
}

}  // namespace pelcon
