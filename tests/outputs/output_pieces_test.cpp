// The small conversions the workbook and NetCDF writers rely on, with hand-worked values.

#include <gtest/gtest.h>

#include "datalib/julian_time.hpp"
#include "datalib/utc_offset_text.hpp"
#include "outputs/significant_decimals.hpp"

namespace pelcon::outputs {
namespace {

TEST(SignificantDecimals, CountsDigitsAfterThePointAsAFourDigitTextShowsThem) {
  EXPECT_EQ(SignificantDecimals(12.3, 4), 2);      // 12.30
  EXPECT_EQ(SignificantDecimals(9.9996, 4), 2);    // rounds up to 10.00
  EXPECT_EQ(SignificantDecimals(1014.2, 4), 0);    // 1014
  EXPECT_EQ(SignificantDecimals(-0.5, 4), 4);      // -0.5000
  EXPECT_EQ(SignificantDecimals(0.000123, 3), 6);  // 0.000123
  EXPECT_EQ(SignificantDecimals(12345.0, 4), -1);  // 1.235e+04 needs an exponent
  EXPECT_EQ(SignificantDecimals(0.0, 4), 3);       // 0.000
}

TEST(JulianTime, EpochsOfSpreadsheetsAndUnix) {
  // Midnight of 1 January 2000 is Julian day 2451544.5: spreadsheet day 36526, Unix time
  // 946684800 s.
  EXPECT_DOUBLE_EQ(SpreadsheetDay(2451544.5), 36526.0);
  EXPECT_EQ(MillisecondsSince1970(2451544.5), 946684800000LL);
  // Noon of 1 March 2000 (a leap year): 60 days later, half a day on.
  EXPECT_DOUBLE_EQ(SpreadsheetDay(2451605.0), 36586.5);
  EXPECT_EQ(MillisecondsSince1970(2451605.0), (946684800LL + 60 * 86400 + 43200) * 1000);
}

TEST(UtcOffsetText, SignHoursAndMinutes) {
  EXPECT_EQ(UtcOffsetText(-330), "-05:30");
  EXPECT_EQ(UtcOffsetText(60), "+01:00");
  EXPECT_EQ(UtcOffsetText(0), "+00:00");
}

}  // namespace
}  // namespace pelcon::outputs
