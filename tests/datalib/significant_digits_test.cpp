#include "datalib/significant_digits.hpp"

#include <gtest/gtest.h>

namespace pelcon {
namespace {

TEST(RoundToSignificant, RoundsToTheDigits) {
  EXPECT_DOUBLE_EQ(RoundToSignificant(123.456, 4), 123.5);
  EXPECT_DOUBLE_EQ(RoundToSignificant(12345.6, 3), 12300.0);
  EXPECT_DOUBLE_EQ(RoundToSignificant(0.012344, 3), 0.0123);
}

TEST(RoundToSignificant, AddsTheHalfStepBelowTheSmallestStep) {
  EXPECT_DOUBLE_EQ(RoundToSignificant(0.0004, 3), 0.0009);
  EXPECT_DOUBLE_EQ(RoundToSignificant(-2.5, 2), -2.5);  // -2.495 printed with %.1e
  EXPECT_DOUBLE_EQ(RoundToSignificant(-2.44, 2), -2.4);
}

TEST(RoundToSignificant, NoDigitsGivesZero) {
  EXPECT_EQ(RoundToSignificant(123.456, 0), 0.0);
  EXPECT_EQ(RoundToSignificant(123.456, -2), 0.0);
}

TEST(FormatSignificant, SpecificationExamples) {
  EXPECT_EQ(FormatSignificant(123.456, 4), "123.5");
  EXPECT_EQ(FormatSignificant(12345.6, 3), "12300");
  EXPECT_EQ(FormatSignificant(-2.5, 2), "-2.5");
}

TEST(FormatSignificant, SmallValuesCountTheLeadingZero) {
  EXPECT_EQ(FormatSignificant(0.5, 2), "0.50");
  EXPECT_EQ(FormatSignificant(1.0, 3), "1.00");
  EXPECT_EQ(FormatSignificant(7.25, 1), "7");
}

}  // namespace
}  // namespace pelcon
