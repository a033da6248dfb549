// RoundAsPrinted must be exactly what the value dictionary's "%.15g" text of a double reads back
// as, for every double: random bit patterns over the whole range, and the ties and carries where
// a fast rounding would go wrong.

#include "plan/printed_precision.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string_view>

#include "datalib/number_text.hpp"

namespace pelcon {
namespace {

double ThroughText(double value) {
  char buffer[kNumberTextSize];
  return ReadFloating(std::string_view(buffer, FormatDoubleTo(value, buffer)));
}

void ExpectAsPrinted(double value) {
  const double expected = ThroughText(value);
  const double rounded = RoundAsPrinted(value);
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(rounded)) << value;
  } else {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(rounded), std::bit_cast<std::uint64_t>(expected))
        << std::hexfloat << value << " gave " << rounded << ", the text " << expected;
  }
}

TEST(RoundAsPrinted, RandomDoublesOfEveryMagnitude) {
  std::mt19937_64 random(20240506);
  for (int i = 0; i < 1000000; ++i) ExpectAsPrinted(std::bit_cast<double>(random()));
  // Readings of ordinary size, where the fast arithmetic works.
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 40);
  for (int i = 0; i < 1000000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    ExpectAsPrinted(value);
    ExpectAsPrinted(-value);
  }
}

TEST(RoundAsPrinted, TiesCarriesAndSpecialValues) {
  // Exact ties at the 15th digit go to the even digit: 1000000000000005 has 16 digits.
  ExpectAsPrinted(1000000000000005.0);
  ExpectAsPrinted(1000000000000015.0);
  ExpectAsPrinted(1000000000000025.0);
  ExpectAsPrinted(-1000000000000035.0);
  ExpectAsPrinted(9999999999999995.0);  // carries into a 16th digit
  ExpectAsPrinted(0.99999999999999994);
  ExpectAsPrinted(123456789012345.5);
  ExpectAsPrinted(0.1);
  ExpectAsPrinted(2.675);
  ExpectAsPrinted(1.7e308);
  ExpectAsPrinted(std::numeric_limits<double>::max());
  ExpectAsPrinted(std::numeric_limits<double>::min());
  ExpectAsPrinted(std::numeric_limits<double>::denorm_min());
  ExpectAsPrinted(-0.0);
  ExpectAsPrinted(std::numeric_limits<double>::infinity());
  ExpectAsPrinted(-std::numeric_limits<double>::infinity());
  ExpectAsPrinted(std::numeric_limits<double>::quiet_NaN());
  // Every double next to a power of ten, where the decimal exponent is easily guessed wrong.
  for (int e = -20; e <= 40; ++e) {
    const double power = std::pow(10.0, e);
    ExpectAsPrinted(power);
    ExpectAsPrinted(std::nextafter(power, 0.0));
    ExpectAsPrinted(std::nextafter(power, 1e300));
  }
}

}  // namespace
}  // namespace pelcon
