#include "logfile/value_attribute_format.hpp"

#include <gtest/gtest.h>

namespace pelcon {
namespace {

TEST(IsInvalidFormatTest, NoFormatTexts) {
  for (const char* format : {"", " ", "-1", "$_ERR", "$_err"}) {
    EXPECT_TRUE(IsInvalidFormat(format)) << '"' << format << '"';
  }
  for (const char* format : {"%d", "%f", "DATETIME", "  ", "-2", "0"}) {
    EXPECT_FALSE(IsInvalidFormat(format)) << '"' << format << '"';
  }
}

TEST(ValueFormatTest, IntegerFormat) {
  const ValueFormat format("%d", -1);
  EXPECT_EQ(format.Format("12345"), "12345");
  EXPECT_EQ(format.Format("-5"), "-5");
  // Integer reading stops at the point and wraps in 32 bits.
  EXPECT_EQ(format.Format("12.7"), "12");
  EXPECT_EQ(format.Format("4294967295"), "-1");
  EXPECT_EQ(format.Format("abc"), "0");
  EXPECT_EQ(ValueFormat("%D", -1).Format("7"), "7");
}

TEST(ValueFormatTest, FixedFormatsPrintAsPrintfDoes) {
  EXPECT_EQ(ValueFormat("%f", -1).Format("1.5"), "1.500000");
  EXPECT_EQ(ValueFormat("%.3f", -1).Format("14.6959"), "14.696");
  EXPECT_EQ(ValueFormat("%2.3f", -1).Format("1.5"), "1.500");
  EXPECT_EQ(ValueFormat("%8.2f", -1).Format("1.5"), "    1.50");
  // Ties round to even, as printf does: 2.5 -> 2, 3.5 -> 4.
  EXPECT_EQ(ValueFormat("%1.0f", -1).Format("2.5"), "2");
  EXPECT_EQ(ValueFormat("%1.0f", -1).Format("3.5"), "4");
  EXPECT_EQ(ValueFormat("%.3f", -1).Format("-0.0004"), "-0.000");
  EXPECT_EQ(ValueFormat("%.0f", -1).Format("1e20"), "100000000000000000000");
  EXPECT_EQ(ValueFormat("%lf", -1).Format("0.25"), "0.250000");
  // Text around the conversion is kept.
  EXPECT_EQ(ValueFormat("x=%.1f m", -1).Format("2.25"), "x=2.2 m");
  // Text that is no number reads as 0.
  EXPECT_EQ(ValueFormat("%.2f", -1).Format("abc"), "0.00");
}

TEST(ValueFormatTest, TextFormat) {
  EXPECT_EQ(ValueFormat("%s", -1).Format("Lodax 200"), "Lodax 200");
  EXPECT_EQ(ValueFormat("%6s", -1).Format("ab"), "    ab");
  EXPECT_EQ(ValueFormat("%.2s", -1).Format("abcdef"), "ab");
  EXPECT_EQ(ValueFormat("%s", -1).Format(""), "");
}

TEST(ValueFormatTest, FormatsThatPrintNothing) {
  // An exponent format is none of the handled kinds.
  EXPECT_EQ(ValueFormat("%1.8e", -1).Format("1.5"), "");
  EXPECT_EQ(ValueFormat("%x", -1).Format("15"), "");
  // Formats that printf could not be trusted with.
  EXPECT_EQ(ValueFormat("%f%f", -1).Format("1"), "");
  EXPECT_EQ(ValueFormat("%s%d", -1).Format("1"), "");
  EXPECT_EQ(ValueFormat("%08.3f", -1).Format("1"), "");
  EXPECT_EQ(ValueFormat("%999999999f", -1).Format("1"), "");
}

TEST(ValueFormatTest, NoFormatPassesTheText) {
  EXPECT_EQ(ValueFormat().Format("anything at all"), "anything at all");
  EXPECT_EQ(ValueFormat(" ", 4).Format("1.23456"), "1.23456");
  EXPECT_EQ(ValueFormat("$_ERR", -1).Format("x"), "x");
  // Words that merely begin like a special number are text.
  EXPECT_EQ(ValueFormat().Format("information"), "information");
  EXPECT_EQ(ValueFormat().Format("nano"), "nano");
  for (const char* text : {"nan", "-nan", "inf", "-inf", "Infinity", "nan(0x1)"}) {
    EXPECT_EQ(ValueFormat().Format(text), "") << text;
  }
}

TEST(ValueFormatTest, DateTimeIgnoresLetterCase) {
  // 1 March 1900 12:00 is Julian day 2415080.0.
  EXPECT_EQ(ValueFormat("DATETIME", -1).Format("2415080"), "03/01/00 12:00:00");
  EXPECT_EQ(ValueFormat("datetime", -1).Format("2415080"), "03/01/00 12:00:00");
}

TEST(ValueFormatTest, DigitsOnlyApplyToFixedFormats) {
  EXPECT_EQ(ValueFormat("%.2f", 4).Format("123.456"), "123.5");
  EXPECT_EQ(ValueFormat("%.2f", 0).Format("123.456"), "123.46");
  EXPECT_EQ(ValueFormat("%d", 4).Format("123456"), "123456");
  EXPECT_EQ(ValueFormat("%.2f", 3).Format("12345.6"), "12300");
}

}  // namespace
}  // namespace pelcon
