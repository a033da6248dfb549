#include "datalib/typed_value_text.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include "datalib/number_text.hpp"
#include "datalib/significant_digits.hpp"
#include "tests/support/decimal_comma_locales.hpp"

namespace pelcon {
namespace {

template <typename T>
std::string Text(int code, const T& value, std::string_view separator = ";") {
  return ValueToText(code, &value, separator);
}

template <typename T>
T Read(int code, std::string_view text, int expectedResult = 1) {
  T value{};
  EXPECT_EQ(TextToValue(code, text, ";", &value), expectedResult) << text;
  return value;
}

TEST(TypeCodes, NamesAndCodes) {
  EXPECT_EQ(DataTypeName(0), "UNKNOWN");
  EXPECT_EQ(DataTypeName(3), "double");
  EXPECT_EQ(DataTypeName(13), "COleDateTime");
  EXPECT_EQ(DataTypeName(36), "CPointArray");
  EXPECT_EQ(DataTypeName(37), "");
  EXPECT_EQ(DataTypeName(-1), "");
  EXPECT_EQ(DataTypeCode("COleDateTime"), 13);
  EXPECT_EQ(DataTypeCode("CPointArray"), 36);
  EXPECT_EQ(DataTypeCode("cstring"), 0);
  EXPECT_EQ(DataTypeCode("nonsense"), 0);
  for (int code = 0; code < kTypeCodeCount; ++code) {
    EXPECT_EQ(DataTypeCode(DataTypeName(code)), code);
  }
}

TEST(NumberText, DoubleUsesFifteenDigitsAndThreeDigitExponents) {
  EXPECT_EQ(Text(kTypeDouble, 0.1), "0.1");
  EXPECT_EQ(Text(kTypeDouble, 1e20), "1e+020");
  EXPECT_EQ(Text(kTypeDouble, 1.5e-7), "1.5e-007");
  EXPECT_EQ(Text(kTypeDouble, -2.25e300), "-2.25e+300");
  EXPECT_EQ(Text(kTypeDouble, 123456789012345678.0), "1.23456789012346e+017");
  EXPECT_EQ(Text(kTypeDouble, 1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(Text(kTypeDouble, 100.0), "100");
  EXPECT_EQ(Text(kTypeDouble, 0.0), "0");
}

TEST(NumberText, FloatUsesHashEAndThreeDigitExponents) {
  EXPECT_EQ(Text(kTypeFloat, 1.5f), "1.500000e+000");
  EXPECT_EQ(Text(kTypeFloat, -0.00025f), "-2.500000e-004");
  EXPECT_EQ(Text(kTypeFloat, 0.0f), "0.000000e+000");
  EXPECT_EQ(Text(kTypeFloat, 3e38f), "3.000000e+038");
}

TEST(NumberText, ReadingFloatingPoint) {
  EXPECT_DOUBLE_EQ(Read<double>(kTypeDouble, "  -1.25e+002xyz"), -125.0);
  EXPECT_DOUBLE_EQ(Read<double>(kTypeDouble, "+.5"), 0.5);
  EXPECT_EQ(Read<double>(kTypeDouble, "abc"), 0.0);
  EXPECT_EQ(Read<double>(kTypeDouble, ""), 0.0);
  EXPECT_EQ(Read<double>(kTypeDouble, "0x10"), 0.0);  // decimal only, on every platform
  EXPECT_TRUE(std::isinf(Read<double>(kTypeDouble, "1e999")));
  EXPECT_EQ(Read<double>(kTypeDouble, "-1e-999"), 0.0);
  EXPECT_EQ(Read<float>(kTypeFloat, "0.1"), 0.1f);
  EXPECT_EQ(Read<float>(kTypeFloat, "1.500000e+000"), 1.5f);
  // Every double written reads back to the same bits at 15 digits' worth.
  EXPECT_DOUBLE_EQ(Read<double>(kTypeDouble, Text(kTypeDouble, 2.718281828459045)),
                   2.71828182845905);
}

TEST(NumberText, NumbersIgnoreTheCLocale) {
  // A program that switched the C locale (Qt does) still writes and reads a point.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  for (const char* locale : test_support::kDecimalCommaLocales) {
    if (std::setlocale(LC_NUMERIC, locale) == nullptr) {
#ifdef _WIN32
      GTEST_SKIP() << "this Windows has no locale " << locale;
#else
      FAIL() << "no locale " << locale << ": tools/setup-debian.sh makes it";
#endif
    }
    EXPECT_EQ(FormatDouble(1.5), "1.5");
    EXPECT_EQ(ReadFloating("1.5"), 1.5);
    EXPECT_EQ(FormatFixed(755.0, 6), "755.000000");
    EXPECT_EQ(FormatScientific(4.5, 1), "4.5e+00");
    EXPECT_EQ(FormatSignificant(4.5, 2), "4.5");
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(IntegerText, SignedTypes) {
  EXPECT_EQ(Text(kTypeInt, std::int32_t{-42}), "-42");
  EXPECT_EQ(Text(kTypeLong, std::int32_t{2147483647}), "2147483647");
  EXPECT_EQ(Read<std::int32_t>(kTypeInt, "  +17abc"), 17);
  EXPECT_EQ(Read<std::int32_t>(kTypeInt, "-17"), -17);
  EXPECT_EQ(Read<std::int32_t>(kTypeInt, "x12"), 0);
  EXPECT_EQ(Read<std::int32_t>(kTypeInt, "4294967295"), -1);  // wraps modulo 2^32
  EXPECT_EQ(Read<std::int32_t>(kTypeLong, "4294967297"), 1);
  EXPECT_EQ(Read<std::int16_t>(kTypeShort, "-1"), -1);
  EXPECT_EQ(Text(kTypeShort, Read<std::int16_t>(kTypeShort, "-1")), "-1");
  EXPECT_EQ(Read<std::int16_t>(kTypeShort, "40000"), static_cast<std::int16_t>(40000 - 65536));
}

TEST(IntegerText, UnsignedTypesWrap) {
  EXPECT_EQ(Read<std::uint32_t>(kTypeDWORD, "4294967295"), 4294967295u);
  EXPECT_EQ(Read<std::uint32_t>(kTypeDWORD, "-1"), 4294967295u);
  EXPECT_EQ(Text(kTypeDWORD, std::uint32_t{4294967295u}), "4294967295");
  EXPECT_EQ(Read<std::uint32_t>(kTypeUINT, "4294967296"), 0u);
  EXPECT_EQ(Read<std::uint16_t>(kTypeWORD, "-1"), 65535);
  EXPECT_EQ(Text(kTypeWORD, Read<std::uint16_t>(kTypeWORD, "-1")), "65535");
  EXPECT_EQ(Read<std::uint8_t>(kTypeBYTE, "300"), 44);
  EXPECT_EQ(Text(kTypeBYTE, std::uint8_t{255}), "255");
}

TEST(BoolText, TruthWords) {
  for (const char* word :
       {"yes", "YES", "Pass", "t", "T", "success", "SuCcEsS", "true", "1", "y", "p"}) {
    EXPECT_EQ(Read<std::int32_t>(kTypeBOOL, word), 1) << word;
  }
  for (const char* word : {"no", "false", "2", "", "0", " yes", "yes ", "truthy"}) {
    EXPECT_EQ(Read<std::int32_t>(kTypeBOOL, word), 0) << word;
  }
}

TEST(BoolText, ThirdStateAndWriting) {
  EXPECT_EQ(Read<std::int32_t>(kTypeBOOL, "2147483647"), 2147483647);
  EXPECT_EQ(Text(kTypeBOOL, std::int32_t{2147483647}), "2147483647");
  EXPECT_EQ(Text(kTypeBOOL, std::int32_t{5}), "1");
  EXPECT_EQ(Text(kTypeBOOL, std::int32_t{-1}), "1");
  EXPECT_EQ(Text(kTypeBOOL, std::int32_t{0}), "0");
}

TEST(StringText, IsTheTextItself) {
  EXPECT_EQ(Text(kTypeCString, std::string("a;b,c")), "a;b,c");
  EXPECT_EQ(Read<std::string>(kTypeCString, " x "), " x ");
}

TEST(DateTimeText, DateOnlyAndTimeOnlyForms) {
  const DateTimeValue date = MakeDateTimeValue(2009, 3, 7, 0, 0, 0);
  EXPECT_EQ(Text(kTypeCOleDate, date), "3/7/2009");
  const DateTimeValue time = MakeDateTimeValue(1899, 12, 30, 9, 5, 7);
  EXPECT_EQ(Text(kTypeCOleTime, time), "9:5:7");
  EXPECT_EQ(Text(kTypeCOleTime, MakeDateTimeValue(1899, 12, 30, 9, 5, 0)), "9:5:0");

  // Reading a date-only value drops the time; a time-only value drops the date.
  DateTimeValue value;
  EXPECT_EQ(TextToValue(kTypeCOleDate, "3/7/2009 2:30:00 PM", ";", &value), 1);
  EXPECT_EQ(value, date);
  EXPECT_EQ(TextToValue(kTypeCOleTime, "3/7/2009 9:05:07 AM", ";", &value), 1);
  EXPECT_EQ(value, time);
  EXPECT_EQ(TextToValue(kTypeCOleTime, "9:5:7", ";", &value), 1);
  EXPECT_EQ(value, time);
  EXPECT_EQ(TextToValue(kTypeCOleDate, "3/7/2009", ";", &value), 1);
  EXPECT_EQ(value, date);
}

TEST(DateTimeText, FullFormReadsBack) {
  const DateTimeValue value = MakeDateTimeValue(2009, 3, 15, 14, 30, 0);
  const std::string text = Text(kTypeCOleDateTime, value);
  EXPECT_EQ(text, "3/15/2009 2:30:00 PM");
  DateTimeValue back;
  EXPECT_EQ(TextToValue(kTypeCOleDateTime, text, ";", &back), 1);
  EXPECT_EQ(back, value);
  EXPECT_EQ(Text(kTypeCOleDateTime, MakeDateTimeValue(2009, 3, 15, 0, 0, 0)), "3/15/2009");
  EXPECT_EQ(Text(kTypeCOleDateTime, MakeDateTimeValue(1899, 12, 30, 0, 5, 9)), "12:05:09 AM");
  EXPECT_EQ(Text(kTypeCOleDateTime, MakeDateTimeValue(2001, 1, 2, 12, 0, 1)),
            "1/2/2001 12:00:01 PM");
  EXPECT_EQ(Text(kTypeCOleDateTime, DateTimeValue{0.0, ValueStatus::kValid}), "12:00:00 AM");
}

TEST(DateTimeText, EveryFormReadsBackOverManyValues) {
  for (double days = -1000.0; days < 80000.0; days += 37.123456) {
    DateTimeValue value{days, ValueStatus::kValid};
    DateTimeRecord r;
    ASSERT_TRUE(SplitDateTimeValue(value, r));
    value = MakeDateTimeValue(r.year, r.month, r.day, r.hour, r.minute, r.second);
    DateTimeValue back;
    ASSERT_TRUE(ParseDateTimeText(FormatDateTimeText(value), back)) << FormatDateTimeText(value);
    ASSERT_NEAR(back.days, value.days, 1e-9) << FormatDateTimeText(value);
  }
}

TEST(DateTimeText, DaysCountFromThe30thOfDecember1899) {
  EXPECT_DOUBLE_EQ(MakeDateTimeValue(1900, 1, 1, 0, 0, 0).days, 2.0);
  EXPECT_DOUBLE_EQ(MakeDateTimeValue(2000, 1, 1, 12, 0, 0).days, 36526.5);
  EXPECT_DOUBLE_EQ(MakeDateTimeValue(1899, 12, 29, 6, 0, 0).days, -1.25);
  DateTimeRecord r;
  ASSERT_TRUE(SplitDateTimeValue(DateTimeValue{-1.25, ValueStatus::kValid}, r));
  EXPECT_EQ(r.day, 29);
  EXPECT_EQ(r.hour, 6);
  EXPECT_EQ(MakeDateTimeValue(2009, 2, 29, 0, 0, 0).status, ValueStatus::kInvalid);
}

TEST(DateTimeText, OtherAcceptedForms) {
  DateTimeValue value;
  ASSERT_TRUE(ParseDateTimeText("2009-03-15 14:30", value));
  EXPECT_EQ(value, MakeDateTimeValue(2009, 3, 15, 14, 30, 0));
  ASSERT_TRUE(ParseDateTimeText("2009-03-15T14:30:05", value));
  EXPECT_EQ(value, MakeDateTimeValue(2009, 3, 15, 14, 30, 5));
  ASSERT_TRUE(ParseDateTimeText("3/15/09 2:30pm", value));
  EXPECT_EQ(value, MakeDateTimeValue(2009, 3, 15, 14, 30, 0));
  ASSERT_TRUE(ParseDateTimeText("12:00:00 AM", value));
  EXPECT_EQ(value.days, 0.0);
}

TEST(DateTimeText, FailuresReportTheParserVerdict) {
  DateTimeValue value;
  EXPECT_EQ(TextToValue(kTypeCOleDateTime, "not a date", ";", &value), 0);
  EXPECT_EQ(value.status, ValueStatus::kInvalid);
  EXPECT_EQ(TextToValue(kTypeCOleDateTime, "", ";", &value), 0);
  EXPECT_EQ(value.status, ValueStatus::kNull);
  EXPECT_EQ(TextToValue(kTypeCOleDate, "2/30/2009", ";", &value), 0);
  EXPECT_EQ(TextToValue(kTypeCOleTime, "25:00:00", ";", &value), 0);
  EXPECT_EQ(TextToValue(kTypeCOleTime, "13:00:00 PM", ";", &value), 0);
  EXPECT_EQ(Text(kTypeCOleDateTime, DateTimeValue{0.0, ValueStatus::kNull}), "");
  EXPECT_EQ(Text(kTypeCOleDateTime, DateTimeValue{0.0, ValueStatus::kInvalid}), "Invalid DateTime");
}

TEST(CurrencyText, WritesAndReadsBack) {
  EXPECT_EQ(Text(kTypeCOleCurrency, CurrencyValue{12345000, ValueStatus::kValid}), "1234.5");
  EXPECT_EQ(Text(kTypeCOleCurrency, CurrencyValue{-1, ValueStatus::kValid}), "-0.0001");
  EXPECT_EQ(Text(kTypeCOleCurrency, CurrencyValue{120000, ValueStatus::kValid}), "12");
  EXPECT_EQ(Text(kTypeCOleCurrency, CurrencyValue{0, ValueStatus::kValid}), "0");
  for (std::int64_t units :
       {std::int64_t{0}, std::int64_t{1}, std::int64_t{-99999},
        std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
    const CurrencyValue value{units, ValueStatus::kValid};
    EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, Text(kTypeCOleCurrency, value)), value)
        << units;
  }
}

TEST(CurrencyText, OtherFormsAndFailures) {
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, " $1,234.56 ").units, 12345600);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "-$0.5").units, -5000);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "0.00005").units, 0);  // half to even
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "0.00015").units, 2);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "0.000051").units, 1);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "12abc", 0).status, ValueStatus::kInvalid);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "", 0).status, ValueStatus::kNull);
  EXPECT_EQ(Read<CurrencyValue>(kTypeCOleCurrency, "99999999999999999999", 0).status,
            ValueStatus::kInvalid);
}

TEST(ArrayText, WritingEndsEveryElementWithTheSeparator) {
  EXPECT_EQ(Text(kTypeIntArray, std::vector<std::int32_t>{1, 2, 3}), "1;2;3;");
  EXPECT_EQ(Text(kTypeIntArray, std::vector<std::int32_t>{}), "");
  EXPECT_EQ(Text(kTypeDoubleArray, std::vector<double>{0.5, 1e20}, "|"), "0.5|1e+020|");
  EXPECT_EQ(Text(kTypeCRectArray, std::vector<Rect>{{0, 0, 640, 480}, {1, 1, 2, 2}}),
            "0,0,640,480;1,1,2,2;");
  EXPECT_EQ(Text(kTypeBOOLArray, std::vector<std::int32_t>{0, 7, 2147483647}), "0;1;2147483647;");
  EXPECT_EQ(Text(kTypeCStringArray, std::vector<std::string>{"a", "", "b"}), "a;;b;");
}

TEST(ArrayText, EmptyPartsAndTrailingSeparators) {
  std::vector<std::int32_t> ints;
  EXPECT_EQ(TextToValue(kTypeIntArray, "1;;3;", ";", &ints), 3);
  EXPECT_EQ(ints, (std::vector<std::int32_t>{1, 0, 3}));
  EXPECT_EQ(TextToValue(kTypeIntArray, "", ";", &ints), 0);
  EXPECT_EQ(ints.size(), 3u);
  // Appends; the caller's array is not emptied first. No trailing separator is needed.
  EXPECT_EQ(TextToValue(kTypeIntArray, "4;5", ";", &ints), 2);
  EXPECT_EQ(ints, (std::vector<std::int32_t>{1, 0, 3, 4, 5}));

  std::vector<std::string> texts;
  EXPECT_EQ(TextToValue(kTypeCStringArray, "a;;b;", ";", &texts), 3);
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "", "b"}));
  std::vector<std::uint16_t> words;
  EXPECT_EQ(TextToValue(kTypeWORDArray, "-1;70000;", ";", &words), 2);
  EXPECT_EQ(words, (std::vector<std::uint16_t>{65535, 4464}));
}

TEST(ArrayText, CompositeAndDateArrays) {
  std::vector<Point> points;
  EXPECT_EQ(TextToValue(kTypeCPointArray, "10,20;9,1,2;", ";", &points), 2);
  EXPECT_EQ(points, (std::vector<Point>{{10, 20}, {1, 2}}));
  std::vector<DateTimeValue> dates;
  EXPECT_EQ(TextToValue(kTypeCOleDateTimeArray, "3/15/2009 2:30:00 PM;1/1/2000;", ";", &dates), 2);
  ASSERT_EQ(dates.size(), 2u);
  EXPECT_EQ(dates[0], MakeDateTimeValue(2009, 3, 15, 14, 30, 0));
  EXPECT_EQ(dates[1], MakeDateTimeValue(2000, 1, 1, 0, 0, 0));
  std::vector<DateTimeValue> times;
  EXPECT_EQ(TextToValue(kTypeCOleTimeArray, "9:5:7;", ";", &times), 1);
  EXPECT_EQ(Text(kTypeCOleTimeArray, times), "9:5:7;");
  std::vector<float> floats{1.5f};
  EXPECT_EQ(Text(kTypeFloatArray, floats), "1.500000e+000;");
}

TEST(CompositeText, TakesTheLastParts) {
  EXPECT_EQ(Text(kTypeRGB, MakeRgb(255, 128, 0)), "255,128,0");
  EXPECT_EQ(Read<RgbColor>(kTypeRGB, "9,255,128,0"), MakeRgb(255, 128, 0));
  EXPECT_EQ(Read<RgbColor>(kTypeRGB, "256,1,2"), MakeRgb(0, 1, 2));
  EXPECT_EQ(Read<RgbColor>(kTypeRGB, "1,2"), 0u);
  EXPECT_EQ(Text(kTypeCRect, Rect{0, 0, 640, 480}), "0,0,640,480");
  EXPECT_EQ(Read<Rect>(kTypeCRect, "5,1,2,3,4"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(Read<Rect>(kTypeCRect, "1,2,3"), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(Text(kTypeCPoint, Point{10, -20}), "10,-20");
  EXPECT_EQ(Read<Point>(kTypeCPoint, "7,10,20"), (Point{10, 20}));
  EXPECT_EQ(Read<Point>(kTypeCPoint, "10"), (Point{0, 0}));
}

TEST(TypedValueText, CodesOutsideTheTable) {
  std::int32_t value = 7;
  EXPECT_EQ(TextToValue(0, "5", ";", &value), 0);
  EXPECT_EQ(TextToValue(37, "5", ";", &value), 0);
  EXPECT_EQ(TextToValue(-3, "5", ";", &value), 0);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(ValueToText(0, &value, ";"), "");
  EXPECT_EQ(ValueToText(99, &value, ";"), "");
}

}  // namespace
}  // namespace pelcon
