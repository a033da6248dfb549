#pragma once

#include "platform/date_time_record.hpp"

// Calendar helpers: astronomical Julian days <-> calendar date-times.
// A Julian day starts at noon; midnight of 1 January 2000 is 2451544.5.

namespace pelcon {

// Meeus' method; fills every field, day of week included. Always returns 1.
int JulianToDateTime(double julian, DateTimeRecord& out);

// Valid from 1801 to 2099. The record is normalised (on a copy) first. Always returns 1.
int DateTimeToJulian(const DateTimeRecord& in, double& julian);

// Carries overflowing fields upward (ms -> s -> min -> h -> day -> month -> year) and sets the
// day of week. Fields that are too small are left alone.
void NormalizeDateTime(DateTimeRecord& record);

// 0 Sunday .. 6 Saturday.
int DayOfWeek(const DateTimeRecord& record);

// 28..31; a month above 12 is folded into 1..12, a month of 0 or less has 31 days.
int DaysInMonth(int year, int month);

// Gregorian rule: 1 or 0.
int IsLeapYear(int year);

}  // namespace pelcon
