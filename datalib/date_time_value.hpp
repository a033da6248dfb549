#pragma once

#include <string>
#include <string_view>

#include "platform/date_time_record.hpp"

// The date-time value of the typed data library (type codes 11 to 13)
// and its one fixed text form.
//
// Text form (the same on every platform, no locale calls; design.md "Locale date-time and
// currency text"): US style, month/day/year and a 12-hour clock with AM/PM, as the Windows
// conversions write it for the US locale:
//   date and time  "3/15/2009 2:30:00 PM"
//   date only      "3/15/2009"      (time of day 00:00:00)
//   time only      "2:30:00 PM"     (day zero, 30 December 1899)
//   day zero, 0:00 "12:00:00 AM"
//   null status    ""               invalid status  "Invalid DateTime"
// Parsing reads every text written above, and also 24-hour times ("14:30", "9:5:7"), two-digit
// years (00-29 -> 20xx, 30-99 -> 19xx), ISO dates ("2009-03-15", optionally "T" before the time)
// and fractions of a second (rounded to the second).

namespace pelcon {

enum class ValueStatus { kValid = 0, kInvalid = 1, kNull = 2 };

// Days since 30 December 1899 (day zero); the fraction is the time of day. Before day zero the
// integer part is negative and the fraction still counts forward from midnight (-1.25 is
// 29 December 1899 06:00), as in the Windows date type.
struct DateTimeValue {
  double days = 0.0;
  ValueStatus status = ValueStatus::kValid;

  friend bool operator==(const DateTimeValue&, const DateTimeValue&) = default;
};

// Years 100 to 9999 are valid; anything else (or a month, day, hour, minute or second out of
// range) gives a value with status kInvalid.
DateTimeValue MakeDateTimeValue(int year, int month, int day, int hour, int minute, int second);

// Splits a valid value into calendar fields, rounded to the nearest second (milliseconds 0,
// day of week set). Returns false, leaving out untouched, for a value that is not valid or is
// outside the years 100 to 9999.
bool SplitDateTimeValue(const DateTimeValue& value, DateTimeRecord& out);

// Code 13: the text form described above.
std::string FormatDateTimeText(const DateTimeValue& value);
// Code 11: "%d/%d/%d" month, day, year (3/7/2009). Code 12: "%d:%d:%d" (9:5:0).
std::string FormatDateText(const DateTimeValue& value);
std::string FormatTimeText(const DateTimeValue& value);

// Parses the text into value. On failure returns false and sets value to 0 with status kNull for
// an empty (or all blank) text and kInvalid otherwise.
bool ParseDateTimeText(std::string_view text, DateTimeValue& value);

}  // namespace pelcon
