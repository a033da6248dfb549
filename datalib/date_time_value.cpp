#include "datalib/date_time_value.hpp"

#include <cmath>
#include <cstdio>

#include "datalib/calendar.hpp"

namespace pelcon {
namespace {

constexpr long kSecondsPerDay = 86400;
// Valid range of the Windows date type: 1 January 100 to 31 December 9999.
constexpr double kMinDays = -657434.0;
constexpr double kMaxDays = 2958465.99999;

// Days from 1 January 1970 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
long DaysFromCivil(long year, long month, long day) {
  year -= month <= 2 ? 1 : 0;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, long& year, long& month, long& day) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long monthIndex = (5 * dayOfYear + 2) / 153;
  day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

const long kDayZero = DaysFromCivil(1899, 12, 30);

DateTimeValue Invalid() {
  return DateTimeValue{0.0, ValueStatus::kInvalid};
}

// Day number and second of the day of a valid value, rounded to the nearest second.
bool SplitDays(double value, long& dayNumber, long& secondOfDay) {
  if (!(value >= kMinDays && value <= kMaxDays)) return false;
  const double halfSecond = 0.5 / kSecondsPerDay;
  const double shifted = value + (value >= 0.0 ? halfSecond : -halfSecond);
  const double whole = std::trunc(shifted);
  dayNumber = static_cast<long>(whole);
  secondOfDay = static_cast<long>(std::floor(std::fabs(shifted - whole) * kSecondsPerDay));
  if (secondOfDay >= kSecondsPerDay) secondOfDay = kSecondsPerDay - 1;
  return true;
}

// Parsing state: a small cursor over the text.
struct Cursor {
  std::string_view text;
  std::size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  char Peek() const { return AtEnd() ? '\0' : text[pos]; }
  void SkipBlanks() {
    while (!AtEnd() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  }
  // Reads 1 to maxDigits decimal digits; false if there are none.
  bool Number(long& value, int& digits, int maxDigits = 9) {
    value = 0;
    digits = 0;
    while (!AtEnd() && text[pos] >= '0' && text[pos] <= '9' && digits < maxDigits) {
      value = value * 10 + (text[pos] - '0');
      ++pos;
      ++digits;
    }
    return digits > 0;
  }
  bool Accept(char c) {
    if (Peek() != c) return false;
    ++pos;
    return true;
  }
};

char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool ParseDate(Cursor& in, long& year, long& month, long& day) {
  long first = 0;
  int firstDigits = 0;
  if (!in.Number(first, firstDigits)) return false;
  if (firstDigits == 4 && in.Peek() == '-') {  // ISO: year-month-day
    int digits = 0;
    year = first;
    return in.Accept('-') && in.Number(month, digits, 2) && in.Accept('-') &&
           in.Number(day, digits, 2);
  }
  const char separator = in.Peek();
  if (separator != '/' && separator != '-' && separator != '.') return false;
  int digits = 0;
  int yearDigits = 0;
  month = first;
  if (!(in.Accept(separator) && in.Number(day, digits, 2) && in.Accept(separator) &&
        in.Number(year, yearDigits, 4))) {
    return false;
  }
  if (firstDigits > 2) return false;
  if (yearDigits <= 2) year += year < 30 ? 2000 : 1900;
  return true;
}

bool ParseTime(Cursor& in, long& hour, long& minute, long& second) {
  int digits = 0;
  if (!in.Number(hour, digits, 2) || !in.Accept(':') || !in.Number(minute, digits, 2)) {
    return false;
  }
  second = 0;
  if (in.Accept(':')) {
    if (!in.Number(second, digits, 2)) return false;
    if (in.Accept('.')) {  // fraction of a second, rounded
      long fraction = 0;
      int fractionDigits = 0;
      if (!in.Number(fraction, fractionDigits, 9)) return false;
      while (!in.AtEnd() && in.Peek() >= '0' && in.Peek() <= '9') ++in.pos;
      if (fraction * 2 >= static_cast<long>(std::pow(10, fractionDigits))) ++second;
    }
  }
  in.SkipBlanks();
  const char marker = Upper(in.Peek());
  if (marker == 'A' || marker == 'P') {
    ++in.pos;
    if (Upper(in.Peek()) == 'M') ++in.pos;
    if (hour < 1 || hour > 12) return false;
    if (hour == 12) hour = 0;
    if (marker == 'P') hour += 12;
  }
  return true;
}

bool StartsTime(const Cursor& in) {
  // A time is digits followed by ':'.
  std::size_t p = in.pos;
  while (p < in.text.size() && in.text[p] >= '0' && in.text[p] <= '9') ++p;
  return p > in.pos && p < in.text.size() && in.text[p] == ':';
}

}  // namespace

DateTimeValue MakeDateTimeValue(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    return Invalid();
  }
  const double dayNumber = static_cast<double>(DaysFromCivil(year, month, day) - kDayZero);
  const double time = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
  return DateTimeValue{dayNumber >= 0.0 ? dayNumber + time : dayNumber - time, ValueStatus::kValid};
}

bool SplitDateTimeValue(const DateTimeValue& value, DateTimeRecord& out) {
  if (value.status != ValueStatus::kValid) return false;
  long dayNumber = 0;
  long secondOfDay = 0;
  if (!SplitDays(value.days, dayNumber, secondOfDay)) return false;
  long year = 0, month = 0, day = 0;
  CivilFromDays(dayNumber + kDayZero, year, month, day);
  if (year < 100 || year > 9999) return false;
  out.year = static_cast<std::uint16_t>(year);
  out.month = static_cast<std::uint16_t>(month);
  out.day = static_cast<std::uint16_t>(day);
  out.hour = static_cast<std::uint16_t>(secondOfDay / 3600);
  out.minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
  out.second = static_cast<std::uint16_t>(secondOfDay % 60);
  out.millisecond = 0;
  // Day zero (a Saturday) plus the day number.
  out.dayOfWeek = static_cast<std::uint16_t>(((dayNumber + 6) % 7 + 7) % 7);
  return true;
}

std::string FormatDateTimeText(const DateTimeValue& value) {
  if (value.status == ValueStatus::kNull) return {};
  DateTimeRecord r;
  if (!SplitDateTimeValue(value, r)) return "Invalid DateTime";
  const bool dayZero = r.year == 1899 && r.month == 12 && r.day == 30;
  const bool midnight = r.hour == 0 && r.minute == 0 && r.second == 0;
  char text[64];
  if (!dayZero && midnight) {
    std::snprintf(text, sizeof text, "%d/%d/%d", r.month, r.day, r.year);
    return text;
  }
  const int hour12 = r.hour % 12 == 0 ? 12 : r.hour % 12;
  const char* marker = r.hour < 12 ? "AM" : "PM";
  if (dayZero) {
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, r.minute, r.second, marker);
  } else {
    std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d:%02d %s", r.month, r.day, r.year, hour12,
                  r.minute, r.second, marker);
  }
  return text;
}

std::string FormatDateText(const DateTimeValue& value) {
  if (value.status == ValueStatus::kNull) return {};
  DateTimeRecord r;
  if (!SplitDateTimeValue(value, r)) return "Invalid DateTime";
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%d", r.month, r.day, r.year);
  return text;
}

std::string FormatTimeText(const DateTimeValue& value) {
  if (value.status == ValueStatus::kNull) return {};
  DateTimeRecord r;
  if (!SplitDateTimeValue(value, r)) return "Invalid DateTime";
  char text[32];
  std::snprintf(text, sizeof text, "%d:%d:%d", r.hour, r.minute, r.second);
  return text;
}

bool ParseDateTimeText(std::string_view text, DateTimeValue& value) {
  Cursor in{text};
  in.SkipBlanks();
  if (in.AtEnd()) {
    value = DateTimeValue{0.0, ValueStatus::kNull};
    return false;
  }
  long year = 1899, month = 12, day = 30;
  long hour = 0, minute = 0, second = 0;
  bool ok = true;
  if (StartsTime(in)) {
    ok = ParseTime(in, hour, minute, second);
  } else {
    ok = ParseDate(in, year, month, day);
    if (ok) {
      const bool iso = in.Peek() == 'T' || in.Peek() == 't';
      if (iso) ++in.pos;
      in.SkipBlanks();
      if (!in.AtEnd()) ok = ParseTime(in, hour, minute, second);
    }
  }
  in.SkipBlanks();
  if (!ok || !in.AtEnd()) {
    value = Invalid();
    return false;
  }
  if (second == 60) {  // a fraction rounded up to the next minute
    second = 0;
    ++minute;
  }
  const DateTimeValue parsed =
      MakeDateTimeValue(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
                        static_cast<int>(hour), static_cast<int>(minute), static_cast<int>(second));
  value = parsed;
  return parsed.status == ValueStatus::kValid;
}

}  // namespace pelcon
