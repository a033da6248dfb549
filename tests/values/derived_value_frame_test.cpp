#include "values/derived_value_frame.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/values/dictionary_test_files.hpp"
#include "values/value_dictionary.hpp"
#include "values/value_from_text.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

using test_support::LoadedLog;
using test_support::LodaxDescription;
using test_support::VortaWith;
using namespace test_support::result_keys;

// A dictionary attached to a file, current for the frame functions.
struct Attached {
  explicit Attached(const test_support::LogFileDescription& description) : file(description) {
    dictionary.AttachLogFile(file.log);
  }
  LoadedLog file;
  ValueDictionary dictionary;
};

TEST(DerivedValueFrameTest, FetchesTheOriginsOfAValueTheFileCanGive) {
  Attached level(LodaxDescription());
  ASSERT_TRUE(level.file.loaded);
  CDataMap result;
  ASSERT_EQ(PrepareDerivedValue("GRAVITY", result), 1);
  EXPECT_EQ(Double(result, "LATITUDE"), 45.0);
  EXPECT_EQ(Double(result, "ELEVATION"), 100.0);
  // "ZERO" always fails, so its row's default stands in.
  EXPECT_EQ(Double(result, "ZERO"), 9.80665);
  // Each origin's fetch resets the codes; the last one succeeded.
  EXPECT_EQ(ErrCode(result), kResultSuccess);
}

TEST(DerivedValueFrameTest, UsesTheDefaultOfAnOriginThatFailsForThisRecord) {
  Attached level(LodaxDescription());
  CDataMap result;
  // No record selected: the pressure cannot be fetched.
  ASSERT_EQ(PrepareDerivedValue("KPASCALS", result), 1);
  EXPECT_EQ(Double(result, "PSI"), 1.7e308);
  EXPECT_EQ(ErrCode(result), kResultRowNotAvailable);

  ASSERT_EQ(level.dictionary.SelectRow(0), 1);
  CDataMap selected;
  ASSERT_EQ(PrepareDerivedValue("KPASCALS", selected), 1);
  EXPECT_EQ(Double(selected, "PSI"), 10000.0);
}

TEST(DerivedValueFrameTest, RefusesValuesWithoutRowsOrWithAMissingOrigin) {
  auto barometer = LodaxDescription();
  barometer.deviceCode = 28;  // barometric pressure instead of level
  Attached baro(barometer);
  ASSERT_TRUE(baro.file.loaded);
  CDataMap result;
  EXPECT_EQ(PrepareDerivedValue("NO_SUCH_VALUE", result), 0);
  EXPECT_EQ(ErrCode(result), kResultDerivedNotFound);

  CDataMap kilopascals;
  EXPECT_EQ(PrepareDerivedValue("KPASCALS", kilopascals), 0);
  EXPECT_EQ(ErrCode(kilopascals), kResultDerivedNotAvailable);
  EXPECT_FALSE(kilopascals.Exists("PSI"));
  // No constant default: the zero function.
  EXPECT_EQ(FallbackDerivedValue("KPASCALS", kilopascals), 0);
  EXPECT_EQ(Double(kilopascals, "KPASCALS"), 0.0);
  EXPECT_EQ(ErrCode(kilopascals), kResultDerivedNotAvailable | kResultFailed);
}

TEST(DerivedValueFrameTest, GravityFallsBackToItsConstant) {
  auto description = LodaxDescription();
  description.site.latitude = 91;
  Attached file(description);
  CDataMap result;
  EXPECT_EQ(PrepareDerivedValue("GRAVITY", result), 0);
  EXPECT_EQ(ErrCode(result), kResultDerivedNotAvailable);
  EXPECT_EQ(FallbackDerivedValue("GRAVITY", result), 1);
  EXPECT_EQ(Double(result, "GRAVITY"), 9.80665);
  EXPECT_EQ(ErrCode(result), kResultDerivedNotAvailable);
}

TEST(DerivedValueFrameTest, OxygenSaturationDoesWithoutSalinityButNotWithoutBarometer) {
  // Temperature, barometer and dissolved oxygen on port 2.
  auto full = VortaWith({1, 3, 25}, {{2150, 2000, 1470, 800}});
  full.sensorPorts[1].first.parameterType = 7;
  Attached withBarometer(full);
  ASSERT_TRUE(withBarometer.file.loaded);
  ASSERT_EQ(withBarometer.dictionary.SelectRow(0), 1);
  CDataMap result;
  ASSERT_EQ(PrepareDerivedValue("DO_PERCENTAGE", result), 1);
  EXPECT_EQ(Double(result, "DO_MILLIGRAMS"), 800.0);
  EXPECT_EQ(Double(result, "DEGREES_C"), 2000.0);
  EXPECT_EQ(Double(result, "CTX_SALINITY"), 0.0);

  auto noBarometer = VortaWith({1, 25}, {{2150, 2000, 800}});
  noBarometer.sensorPorts[1].first.parameterType = 7;
  Attached without(noBarometer);
  ASSERT_TRUE(without.file.loaded);
  CDataMap fallback;
  EXPECT_EQ(PrepareDerivedValue("DO_PERCENTAGE", fallback), 0);
  EXPECT_EQ(FallbackDerivedValue("DO_PERCENTAGE", fallback), 0);
  EXPECT_EQ(Double(fallback, "DO_PERCENTAGE"), 0.0);
}

TEST(DerivedValueFrameTest, TellsTheParameterTypeOfAGenericName) {
  Attached level(LodaxDescription());
  CDataMap result;
  int type = 0;
  EXPECT_EQ(FetchAppliedType("CTX_OHMS", type, result), 1);
  EXPECT_EQ(type, 5);
  EXPECT_EQ(FetchAppliedType("GRAVITY", type, result), 0);
  EXPECT_EQ(ErrCode(result), kResultAppliedNotFound);
}

TEST(DerivedValueFrameTest, ReportsFailureWithoutADictionary) {
  std::int32_t code = -1;
  { ValueDictionary gone; }
  ASSERT_EQ(CurrentValueDictionary(), nullptr);
  CDataMap result;
  EXPECT_EQ(PrepareDerivedValue("GRAVITY", result), 0);
  result.GetInt(kErrCodeKey, &code);
  EXPECT_EQ(code, kResultFailed);
}

TEST(SetValueFromTextTest, StoresIntegersDoublesAndDateTimesOnly) {
  CDataMap result;
  EXPECT_EQ(SetValueFromText(result, "FLAG", "2147483647", 2), 1);
  std::int32_t flag = 0;
  EXPECT_EQ(result.GetInt("FLAG", &flag), 1);
  EXPECT_EQ(flag, 2147483647);

  EXPECT_EQ(SetValueFromText(result, "NONE", "1.7E308", 3), 1);
  EXPECT_EQ(Double(result, "NONE"), 1.7e308);

  EXPECT_EQ(SetValueFromText(result, "WHEN", "3/15/2009 2:30:00 PM", 13), 1);
  DateTimeValue when;
  ASSERT_EQ(result.GetDateTime("WHEN", &when), 1);
  // Day zero is 30 December 1899; 15 March 2009 is day 39887 (Julian 2454905.5 - 2415018.5).
  EXPECT_NEAR(when.days, 39887 + 14.5 / 24, 1e-9);

  EXPECT_EQ(SetValueFromText(result, "TEXT", "abc", 1), 1);
  EXPECT_FALSE(result.Exists("TEXT"));
}

}  // namespace
}  // namespace pelcon
