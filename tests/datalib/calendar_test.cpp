#include "datalib/calendar.hpp"

#include <gtest/gtest.h>

namespace pelcon {
namespace {

DateTimeRecord Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int millisecond = 0) {
  DateTimeRecord r;
  r.year = static_cast<std::uint16_t>(year);
  r.month = static_cast<std::uint16_t>(month);
  r.day = static_cast<std::uint16_t>(day);
  r.hour = static_cast<std::uint16_t>(hour);
  r.minute = static_cast<std::uint16_t>(minute);
  r.second = static_cast<std::uint16_t>(second);
  r.millisecond = static_cast<std::uint16_t>(millisecond);
  return r;
}

void ExpectRecord(const DateTimeRecord& r, int year, int month, int day, int hour, int minute,
                  int second, int millisecond) {
  EXPECT_EQ(r.year, year);
  EXPECT_EQ(r.month, month);
  EXPECT_EQ(r.day, day);
  EXPECT_EQ(r.hour, hour);
  EXPECT_EQ(r.minute, minute);
  EXPECT_EQ(r.second, second);
  EXPECT_EQ(r.millisecond, millisecond);
}

TEST(JulianToDateTime, MidnightOfFirstJanuary2000IsASaturday) {
  DateTimeRecord r;
  EXPECT_EQ(JulianToDateTime(2451544.5, r), 1);
  ExpectRecord(r, 2000, 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(r.dayOfWeek, 6);
}

TEST(JulianToDateTime, GregorianSwitchOf1582) {
  DateTimeRecord r;
  JulianToDateTime(2299160.5, r);
  ExpectRecord(r, 1582, 10, 15, 0, 0, 0, 0);
  JulianToDateTime(2299159.5, r);  // the day before, still in the Julian calendar
  ExpectRecord(r, 1582, 10, 4, 0, 0, 0, 0);
}

TEST(JulianToDateTime, NoonAndTimeOfDay) {
  DateTimeRecord r;
  JulianToDateTime(2415080.0, r);
  ExpectRecord(r, 1900, 3, 1, 12, 0, 0, 0);
  EXPECT_EQ(r.dayOfWeek, 4);  // Thursday
}

TEST(JulianToDateTime, RoundsToTheNearestMillisecondAndCarries) {
  // 14:30:00 has no exact binary fraction; the pieces must not come out as 14:29:59.999.
  double j = 0.0;
  DateTimeToJulian(Make(2009, 3, 15, 14, 30, 0), j);
  DateTimeRecord r;
  JulianToDateTime(j, r);
  ExpectRecord(r, 2009, 3, 15, 14, 30, 0, 0);
  // Just short of midnight rounds up across the day, month and year.
  JulianToDateTime(2451544.5 - 0.1 / 86400000.0, r);
  ExpectRecord(r, 2000, 1, 1, 0, 0, 0, 0);
}

TEST(JulianToDateTime, KeepsMilliseconds) {
  double j = 0.0;
  DateTimeToJulian(Make(2009, 3, 15, 23, 59, 59, 123), j);
  DateTimeRecord r;
  JulianToDateTime(j, r);
  ExpectRecord(r, 2009, 3, 15, 23, 59, 59, 123);
}

TEST(DateTimeToJulian, KnownDates) {
  double j = 0.0;
  EXPECT_EQ(DateTimeToJulian(Make(2000, 1, 1), j), 1);
  EXPECT_DOUBLE_EQ(j, 2451544.5);
  DateTimeToJulian(Make(1900, 3, 1, 12), j);
  EXPECT_DOUBLE_EQ(j, 2415080.0);
  // Before 1 March 1900 the sign term corrects for 1900 not being a leap year.
  DateTimeToJulian(Make(1900, 2, 28, 12), j);
  EXPECT_DOUBLE_EQ(j, 2415079.0);
}

TEST(DateTimeToJulian, NormalisesACopyFirst) {
  const DateTimeRecord in = Make(1999, 12, 31, 24);
  double j = 0.0;
  DateTimeToJulian(in, j);
  EXPECT_DOUBLE_EQ(j, 2451544.5);
  EXPECT_EQ(in.hour, 24);  // the caller's record is not touched
}

TEST(DateTimeToJulian, RoundTripsEveryHourOfAYear) {
  for (int day = 0; day < 366; ++day) {
    for (int hour = 0; hour < 24; ++hour) {
      const double j = 2454832.5 + day + hour / 24.0;  // from 1 January 2009
      DateTimeRecord r;
      JulianToDateTime(j, r);
      double back = 0.0;
      DateTimeToJulian(r, back);
      ASSERT_NEAR(back, j, 1e-8) << day << " " << hour;
      ASSERT_EQ(r.hour, hour);
      ASSERT_EQ(r.minute, 0);
      ASSERT_EQ(r.second, 0);
    }
  }
}

TEST(NormalizeDateTime, HourTwentyFourAtTheEndOfJanuary) {
  DateTimeRecord r = Make(2009, 1, 31, 24);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 2, 1, 0, 0, 0, 0);
  EXPECT_EQ(r.dayOfWeek, 0);  // 1 February 2009 was a Sunday
}

TEST(NormalizeDateTime, CarriesSecondsAndMilliseconds) {
  DateTimeRecord r = Make(2009, 6, 10, 10, 20, 75);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 6, 10, 10, 21, 15, 0);
  r = Make(2009, 6, 10, 10, 59, 59, 1500);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 6, 10, 11, 0, 0, 500);
}

TEST(NormalizeDateTime, CarriesIntoTheNextYear) {
  DateTimeRecord r = Make(2008, 12, 31, 23, 59, 60);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(r.dayOfWeek, 4);  // Thursday
  r = Make(2008, 14, 1);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 2, 1, 0, 0, 0, 0);
}

TEST(NormalizeDateTime, LeavesTooSmallFieldsAlone) {
  DateTimeRecord r = Make(2009, 0, 0);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 0, 0, 0, 0, 0, 0);
}

TEST(NormalizeDateTime, LeapDay) {
  DateTimeRecord r = Make(2008, 2, 29, 24);
  NormalizeDateTime(r);
  ExpectRecord(r, 2008, 3, 1, 0, 0, 0, 0);
  r = Make(2009, 2, 29);
  NormalizeDateTime(r);
  ExpectRecord(r, 2009, 3, 1, 0, 0, 0, 0);
}

TEST(DayOfWeek, KnownDays) {
  EXPECT_EQ(DayOfWeek(Make(2000, 1, 1)), 6);
  EXPECT_EQ(DayOfWeek(Make(2009, 3, 15)), 0);
  EXPECT_EQ(DayOfWeek(Make(2009, 3, 16)), 1);
  EXPECT_EQ(DayOfWeek(Make(1970, 1, 1, 23, 59)), 4);
}

TEST(DaysInMonth, MonthLengths) {
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2009, 14), 28);
  EXPECT_EQ(DaysInMonth(2009, 4), 30);
  EXPECT_EQ(DaysInMonth(2009, 11), 30);
  EXPECT_EQ(DaysInMonth(2009, 12), 31);
  EXPECT_EQ(DaysInMonth(2009, 0), 31);
  EXPECT_EQ(DaysInMonth(2009, -3), 31);
}

TEST(IsLeapYear, GregorianRule) {
  EXPECT_EQ(IsLeapYear(2000), 1);
  EXPECT_EQ(IsLeapYear(1900), 0);
  EXPECT_EQ(IsLeapYear(2008), 1);
  EXPECT_EQ(IsLeapYear(2009), 0);
}

}  // namespace
}  // namespace pelcon
