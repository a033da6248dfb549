#include "outputs/text_format.hpp"

#include <gtest/gtest.h>

#include "datalib/calendar.hpp"

namespace pelcon::outputs {
namespace {

double Julian(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint16_t hour,
              std::uint16_t minute, std::uint16_t millisecond = 0) {
  double julian = 0.0;
  EXPECT_NE(DateTimeToJulian({.year = year,
                              .month = month,
                              .day = day,
                              .hour = hour,
                              .minute = minute,
                              .millisecond = millisecond},
                             julian),
            0);
  return julian;
}

TEST(UtcOffset, TakesSignedHoursAndMinutesOnly) {
  EXPECT_EQ(ParseUtcOffset("+01:00"), 60);
  EXPECT_EQ(ParseUtcOffset("-03:30"), -210);
  EXPECT_EQ(ParseUtcOffset("Z"), 0);
  for (const char* wrong : {"01:00", "+1:00", "+01", "+15:00", "+01:60", "+0a:00", ""}) {
    EXPECT_FALSE(ParseUtcOffset(wrong)) << wrong;
  }
}

TEST(IsoTime, CarriesTheOffsetOrMovesToUtcAcrossMidnight) {
  TextFormat format;
  const double justAfterMidnight = Julian(2009, 3, 1, 0, 15);
  EXPECT_EQ(IsoTimeText(justAfterMidnight, format), "2009-03-01T00:15:00");
  format.utcOffsetMinutes = 60;
  EXPECT_EQ(IsoTimeText(justAfterMidnight, format), "2009-03-01T00:15:00+01:00");
  format.toUtc = true;
  // 2009 is no leap year: the day before 1 March is 28 February.
  EXPECT_EQ(IsoTimeText(justAfterMidnight, format), "2009-02-28T23:15:00Z");
  EXPECT_EQ(IsoTimeText(Julian(2009, 3, 15, 14, 30, 500), TextFormat{}), "2009-03-15T14:30:00.500");
}

TEST(DecimalText, FixedOrShortestWithEitherMark) {
  EXPECT_EQ(DecimalText(24.2985, 3, false), "24.299");
  EXPECT_EQ(DecimalText(24.2985, 3, true), "24,299");
  EXPECT_EQ(DecimalText(-0.5, 0, true), "-0");
  EXPECT_EQ(DecimalText(0.1, -1, true), "0,1");
}

}  // namespace
}  // namespace pelcon::outputs
