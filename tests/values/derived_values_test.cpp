#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

#include "tests/values/sonde_test_files.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "values/derived_value_calculations.hpp"
#include "values/derived_value_compute.hpp"
#include "values/value_result_codes.hpp"

// The derived values as the dictionary answers them, from files whose stage values the tests
// choose. Expected numbers are worked out by hand from the formulas (or with a calculator where
// a comment gives the steps).

namespace pelcon {
namespace {

using test_support::AttachedFile;
using test_support::ChosenFormulas;
using test_support::LodaxDescription;
using test_support::LogFileDescription;
using test_support::SondeDescription;

// The sonde with the chosen BASE and USER values (codes of sonde_test_files.hpp).
ChosenFormulas Chosen(std::initializer_list<std::pair<const int, std::optional<double>>> base,
                      std::initializer_list<std::pair<const int, std::optional<double>>> user) {
  ChosenFormulas formulas;
  formulas.base = base;
  formulas.user = user;
  return formulas;
}

TEST(GravityTest, FollowsLatitudeAndElevation) {
  LogFileDescription site = LodaxDescription();
  site.site.latitude = 45;
  site.site.elevation = 0.0f;
  AttachedFile mid(site);
  ASSERT_TRUE(mid.ready());
  // 9.780356 x (1 + 0.0052885 x 0.5 - 0.0000059 x 1) = 9.8061600
  ASSERT_EQ(mid.Resolve("GRAVITY"), 1);
  EXPECT_NEAR(mid.Stored("GRAVITY"), 9.80616, 1e-6);
  EXPECT_EQ(mid.ErrCode(), kResultSuccess);

  site.site.latitude = 0;
  site.site.elevation = 10000.0f;
  AttachedFile high(site);
  ASSERT_TRUE(high.ready());
  // 9.780356 - 0.003086 x 10 = 9.749496, still above 9.74.
  ASSERT_EQ(high.Resolve("GRAVITY"), 1);
  EXPECT_NEAR(high.Stored("GRAVITY"), 9.749496, 1e-9);
}

TEST(GravityTest, AnInvalidLatitudeGivesStandardGravity) {
  LogFileDescription d = LodaxDescription();
  d.site.latitude = 91;
  AttachedFile file(d);
  ASSERT_TRUE(file.ready());
  EXPECT_EQ(file.Resolve("GRAVITY"), 1);
  EXPECT_EQ(file.Stored("GRAVITY"), 9.80665);
  EXPECT_EQ(file.ErrCode(), kResultDerivedNotAvailable);
}

TEST(GravityTest, OutOfRangeOrMissingOriginsGiveStandardGravity) {
  EXPECT_NEAR(GravityAt(45, 0), 9.80616, 1e-6);
  // 9.780356 x 1.0052826 - 0.003086 x 40 = 9.708 is below 9.74.
  EXPECT_EQ(GravityAt(90, 40000), 9.80665);
  EXPECT_EQ(GravityAt(45, -100000), 9.80665);
  // The "no value" default of an origin.
  EXPECT_EQ(GravityAt(45, 1.7E308), 9.80665);
  EXPECT_EQ(GravityAt(1.7E308, 0), 9.80665);
  EXPECT_EQ(GravityAt(NAN, 0), 9.80665);
}

TEST(ElapsedTimeTest, CountsFromTheStartOfTheTest) {
  AttachedFile file(LodaxDescription());
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.dictionary().SelectRow(2), 1);  // two minutes after the start
  ASSERT_EQ(file.Resolve("ELAPSED_DAYS"), 1);
  // Times pass through 15-digit texts: about 1e-8 days of rounding.
  EXPECT_NEAR(file.Stored("ELAPSED_DAYS"), 2.0 / 1440, 1e-8);
  ASSERT_EQ(file.Resolve("ELAPSED_HOURS"), 1);
  EXPECT_NEAR(file.Stored("ELAPSED_HOURS"), 2.0 / 60, 3e-7);
  ASSERT_EQ(file.Resolve("ELAPSED_MINUTES"), 1);
  EXPECT_NEAR(file.Stored("ELAPSED_MINUTES"), 2.0, 2e-5);
  ASSERT_EQ(file.Resolve("ELAPSED_SECONDS"), 1);
  EXPECT_NEAR(file.Stored("ELAPSED_SECONDS"), 120.0, 1e-3);
}

TEST(ElapsedTimeTest, ARecordBeforeTheStartHasNoElapsedTime) {
  // An Event record without its own seconds is stamped "now", here a day before the start.
  const testing::ScopedEnvironment now("PELCON_NOW", "2009-03-14 14:30:00");
  LogFileDescription d = LodaxDescription();
  d.testType = kEventTestBlock;
  d.eventSeconds = {0, 0, 0};
  AttachedFile file(d);
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.dictionary().SelectRow(1), 1);
  EXPECT_EQ(file.Resolve("ELAPSED_DAYS"), 0);
  EXPECT_FALSE(file.result().Exists("ELAPSED_DAYS"));
  // Hours then work from the "no value" default of their origin, 1.7E308 x 24.
  EXPECT_EQ(file.Resolve("ELAPSED_HOURS"), 1);
  EXPECT_TRUE(std::isinf(file.Stored("ELAPSED_HOURS")));

  // The first record is the start itself.
  ASSERT_EQ(file.dictionary().SelectRow(0), 1);
  ASSERT_EQ(file.Resolve("ELAPSED_DAYS"), 1);
  EXPECT_EQ(file.Stored("ELAPSED_DAYS"), 0.0);
}

TEST(UnitScaleTest, TemperatureInFahrenheit) {
  for (const auto& [celsius, fahrenheit] : {std::pair{100.0, 212.0}, {-40.0, -40.0}, {0.0, 32.0}}) {
    AttachedFile file(SondeDescription(), Chosen({{test_support::kTemperatureCode, celsius}}, {}));
    ASSERT_TRUE(file.ready());
    ASSERT_EQ(file.Resolve("DEGREES_F"), 1) << celsius;
    EXPECT_NEAR(file.Stored("DEGREES_F"), fahrenheit, 1e-12) << celsius;
  }
}

TEST(UnitScaleTest, PressureAndBarometer) {
  AttachedFile file(SondeDescription(), Chosen({{test_support::kBarometerCode, 14.7}},
                                               {{test_support::kPressureCode, 1.0}}));
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.Resolve("KPASCALS"), 1);
  EXPECT_NEAR(file.Stored("KPASCALS"), 6.894757, 1e-12);

  // 14.7 psi times the factors of the barometric family.
  const std::pair<const char*, double> expected[] = {{"BARO_INCHES_HG", 29.9292},
                                                     {"BARO_BARS", 1.0135356},
                                                     {"BARO_MILLIBARS", 1013.5356},
                                                     {"BARO_CM_OF_H2O", 1033.5129},
                                                     {"BARO_MM_HG", 760.20168}};
  for (const auto& [name, value] : expected) {
    ASSERT_EQ(file.Resolve(name), 1) << name;
    EXPECT_NEAR(file.Stored(name), value, 1e-9) << name;
    EXPECT_EQ(file.ErrCode(), kResultSuccess) << name;
  }
}

TEST(UnitScaleTest, RedoxAndOxygenConcentrations) {
  AttachedFile file(SondeDescription(), Chosen({}, {{test_support::kClarkOxygenCode, 8.0},
                                                    {test_support::kRedoxCode, 250.0},
                                                    {test_support::kOpticalOxygenCode, 9.0}}));
  ASSERT_TRUE(file.ready());
  // 1000 / 31.9988 g/mol = 31.251172 umol per mg.
  const std::pair<const char*, double> expected[] = {{"ORP_VOLTS", 0.25},
                                                     {"DO_MICROGRAMS", 8000.0},
                                                     {"DO_MICROMOLES", 250.009376},
                                                     {"OPD_MICROGRAMS", 9000.0},
                                                     {"OPD_MICROMOLES", 281.260548}};
  for (const auto& [name, value] : expected) {
    ASSERT_EQ(file.Resolve(name), 1) << name;
    EXPECT_NEAR(file.Stored(name), value, 1e-9) << name;
  }
}

TEST(ConductivityTest, CompensatesToTwentyFiveDegrees) {
  const double ratio15 = 1 - 0.0191 * 10;  // 0.809
  for (const auto& [celsius, factor] : {std::pair{25.0, 1.0}, {15.0, 1 / ratio15}}) {
    AttachedFile file(SondeDescription(), Chosen({{test_support::kTemperatureCode, celsius}},
                                                 {{test_support::kConductivityCode, 1000.0}}));
    ASSERT_TRUE(file.ready());
    ASSERT_EQ(file.Resolve("CTX_SPEC_COND"), 1) << celsius;
    EXPECT_NEAR(file.Stored("CTX_SPEC_COND"), 1000 * factor, 1e-9) << celsius;
    ASSERT_EQ(file.Resolve("CTX_SPEC_COND_MIL"), 1) << celsius;
    EXPECT_NEAR(file.Stored("CTX_SPEC_COND_MIL"), factor, 1e-12) << celsius;
    ASSERT_EQ(file.Resolve("CTX_TDS"), 1) << celsius;
    EXPECT_NEAR(file.Stored("CTX_TDS"), 650 * factor, 1e-9) << celsius;
    // Resistivity and millisiemens do not depend on the temperature.
    ASSERT_EQ(file.Resolve("CTX_RESISTANCE"), 1) << celsius;
    EXPECT_NEAR(file.Stored("CTX_RESISTANCE"), 1.0, 1e-12) << celsius;
    ASSERT_EQ(file.Resolve("CTX_MILLISIEMENS"), 1) << celsius;
    EXPECT_NEAR(file.Stored("CTX_MILLISIEMENS"), 1.0, 1e-12) << celsius;
  }
  EXPECT_NEAR(1000 / ratio15, 1236.09, 0.005);
}

TEST(ConductivityTest, SeawaterHasAPracticalSalinityOfAbout35) {
  AttachedFile file(SondeDescription(), Chosen({{test_support::kTemperatureCode, 15.0}},
                                               {{test_support::kConductivityCode, 42914.0}}));
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.Resolve("CTX_SALINITY"), 1);
  // R = 42914 / 42933 = 0.99955746; at 15 degrees f = 0, so S = the polynomial in R alone:
  // 0.008 - 0.16916 + 25.37387 + 14.08475 - 7.01988 + 2.70510 less the low-salinity term
  // 0.008 / (1 + 599.7 + 159858) = 5.0e-8, which is 34.98267.
  EXPECT_NEAR(file.Stored("CTX_SALINITY"), 34.98267, 1e-5);
}

// Conductivity 42914 at 20 degrees: d = 5, R = 42914 / (1.0955 x 42933) = 0.9124213,
// f = 5 / 1.081 = 4.625347; the polynomial gives S = 31.586722.
constexpr double kSalinityAt20 = 31.586722;

TEST(OxygenSaturationTest, NearlySaturatedWaterAtSeaLevel) {
  // 29.92 inHg from a barometer that reads 29.92 / 2.036 psi.
  AttachedFile file(
      SondeDescription(),
      Chosen(
          {{test_support::kTemperatureCode, 20.0}, {test_support::kBarometerCode, 29.92 / 2.036}},
          {{test_support::kClarkOxygenCode, 9.09}, {test_support::kConductivityCode, 0.0}}));
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.Resolve("DO_PERCENTAGE"), 1);
  // At 20 degrees Ts = ln(278.15 / 293.15) = -0.0525249 and the solubility fit gives 9.09206
  // mg/L; at one atmosphere the pressure correction cancels, so 9.09 / 9.09206 = 99.977 %.
  EXPECT_NEAR(file.Stored("DO_PERCENTAGE"), 99.9773, 1e-4);
}

TEST(OxygenSaturationTest, SaltLowersTheSolubility) {
  AttachedFile file(SondeDescription(), Chosen({{test_support::kTemperatureCode, 20.0},
                                                {test_support::kBarometerCode, 29.92 / 2.036}},
                                               {{test_support::kClarkOxygenCode, 9.09},
                                                {test_support::kOpticalOxygenCode, 9.09},
                                                {test_support::kConductivityCode, 42914.0}}));
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.Resolve("CTX_SALINITY"), 1);
  EXPECT_NEAR(file.Stored("CTX_SALINITY"), kSalinityAt20, 1e-6);
  // The salinity terms make ln Cs smaller by 31.5867 x 0.0058840 + 4.68e-7 x 997.7 = 0.186322,
  // so Cs = 9.09206 x e^-0.186322 = 7.54647 and 9.09 / 7.54647 = 120.4536 %.
  ASSERT_EQ(file.Resolve("DO_PERCENTAGE"), 1);
  EXPECT_NEAR(file.Stored("DO_PERCENTAGE"), 120.4536, 1e-3);
  ASSERT_EQ(file.Resolve("OPD_PERCENTAGE"), 1);
  EXPECT_NEAR(file.Stored("OPD_PERCENTAGE"), 120.4536, 1e-3);
}

TEST(OxygenSaturationTest, TheSensorVariantUsesTheSensorsOwnTemperature) {
  // The sonde reads 25 degrees; the optical sensor (COOKED_OPD_TEMP) reads 20. No conductivity.
  LogFileDescription d = SondeDescription();
  d.channelCodes = {1, 2, 3, 16, 171};
  d.records = {{2150, 2000, 21000, 30000, 14700, 900, 0, 0, 0, 20}};
  AttachedFile file(d, Chosen({{test_support::kTemperatureCode, 25.0},
                               {test_support::kBarometerCode, 29.92 / 2.036}},
                              {{test_support::kOpticalOxygenCode, 9.09}}));
  ASSERT_TRUE(file.ready());
  ASSERT_EQ(file.Resolve("COOKED_OPD_TEMP"), 1);
  ASSERT_EQ(file.Stored("COOKED_OPD_TEMP"), 20.0);
  // Without conductivity the salinity is its default 0.0. At 25 degrees Ts = ln(273.15 / 298.15)
  // = -0.0875756 gives Cs = 8.26284 mg/L, and 9.09 / 8.26284 = 110.0106 %.
  ASSERT_EQ(file.Resolve("OPD_PERCENTAGE"), 1);
  EXPECT_NEAR(file.Stored("OPD_PERCENTAGE"), 110.0106, 1e-3);
  ASSERT_EQ(file.Resolve("OPD_PERCENTAGE_SENSOR"), 1);
  EXPECT_NEAR(file.Stored("OPD_PERCENTAGE_SENSOR"), 99.9773, 1e-4);
}

TEST(OxygenSaturationTest, WithoutConductivityTheSalinityIsZero) {
  LogFileDescription d = SondeDescription();
  // Temperature, pressure, barometer and the Clark sensor only.
  d.channelCodes = {1, 2, 3, 25};
  d.records = {{2150, 2000, 21000, 30000, 14700, 800}};
  AttachedFile file(d, Chosen({{test_support::kTemperatureCode, 20.0},
                               {test_support::kBarometerCode, 29.92 / 2.036}},
                              {{test_support::kClarkOxygenCode, 9.09}}));
  ASSERT_TRUE(file.ready());
  EXPECT_EQ(file.Resolve("CTX_SALINITY"), 0);
  EXPECT_EQ(file.Resolve("DO_PERCENTAGE"), 1);
  EXPECT_NEAR(file.Stored("DO_PERCENTAGE"), 99.9773, 1e-4);
}

TEST(OxygenSaturationTest, WithoutABarometerThereIsNoSaturation) {
  LogFileDescription d = SondeDescription();
  d.channelCodes = {1, 2, 25};
  d.records = {{2150, 2000, 21000, 30000, 800}};
  AttachedFile file(d, Chosen({}, {{test_support::kClarkOxygenCode, 9.09}}));
  ASSERT_TRUE(file.ready());
  EXPECT_EQ(file.Resolve("DO_PERCENTAGE"), 0);
  EXPECT_EQ(file.Stored("DO_PERCENTAGE"), 0.0);
  EXPECT_EQ(file.ErrCode(), kResultDerivedNotAvailable | kResultFailed);
  // The concentration units need no barometer.
  EXPECT_EQ(file.Resolve("DO_MICROGRAMS"), 1);
}

TEST(FallbackTest, ValuesTheFileCannotGiveAreZero) {
  // A barometric logger has no transducer pressure.
  LogFileDescription d = LodaxDescription();
  d.deviceCode = 28;
  AttachedFile file(d);
  ASSERT_TRUE(file.ready());
  for (const char* name : {"KPASCALS", "DEPTH_FEET", "DEPTH_SURFACE_INCHES", "CTX_TDS"}) {
    EXPECT_EQ(file.Resolve(name), 0) << name;
    EXPECT_EQ(file.Stored(name), 0.0) << name;
    EXPECT_EQ(file.ErrCode(), kResultDerivedNotAvailable | kResultFailed) << name;
  }
  // What it has still converts.
  EXPECT_EQ(file.Resolve("BARO_MILLIBARS"), 1);
}

TEST(FallbackTest, AUnitFamilyThatIsNoneEndsTheComputation) {
  AttachedFile file(SondeDescription(), Chosen({}, {{test_support::kPressureCode, 1.0}}));
  ASSERT_TRUE(file.ready());
  CDataMap result;
  const DerivedFormula kilopascals{"KPASCALS", "NO_SUCH_VALUE", ComputeKilopascals,
                                   FindDerivedFormula("KPASCALS")->origins};
  EXPECT_EQ(FetchDerivedValueBy(kilopascals, "KPASCALS", result), 0);
  EXPECT_FALSE(result.Exists("KPASCALS"));
  std::int32_t code = -1;
  result.GetInt(kErrCodeKey, &code);
  EXPECT_EQ(code, kResultAppliedNotFound);
}

TEST(FallbackTest, AmmoniaIsNeverComputed) {
  AttachedFile file(SondeDescription());
  ASSERT_TRUE(file.ready());
  for (const char* name : {"NH3_MV", "NH3_MG_L"}) {
    EXPECT_EQ(file.Resolve(name), 0) << name;
    EXPECT_EQ(file.Stored(name), 0.0) << name;
    EXPECT_EQ(file.ErrCode(), kResultFailed) << name;
  }
}

TEST(DepthTest, FromSpecificGravityWhenTheDensityIsZero) {
  LogFileDescription d = SondeDescription();
  d.site.density = 0.0f;
  for (const auto& [specificGravity, feet] : {std::pair{1.0f, 2.30667}, {2.0f, 1.153335}}) {
    d.site.specificGravity = specificGravity;
    AttachedFile file(d, Chosen({}, {{test_support::kPressureCode, 1.0}}));
    ASSERT_TRUE(file.ready());
    ASSERT_EQ(file.Resolve("DEPTH_FEET"), 1) << specificGravity;
    EXPECT_NEAR(file.Stored("DEPTH_FEET"), feet, 1e-12) << specificGravity;
  }
}

TEST(DepthTest, FromDensityAndGravity) {
  LogFileDescription d = SondeDescription();
  d.site.density = 1.0f;
  d.site.latitude = 91;  // gravity falls back to 9.80665
  AttachedFile file(d, Chosen({}, {{test_support::kPressureCode, 1.0}}));
  ASSERT_TRUE(file.ready());
  // 6.894757 / 9.80665 x 3.280839895013123 = 2.3066586
  ASSERT_EQ(file.Resolve("DEPTH_FEET"), 1);
  const double feet = 6.894757 / 9.80665 * 3.280839895013123;
  EXPECT_NEAR(file.Stored("DEPTH_FEET"), feet, 1e-12);
  EXPECT_NEAR(feet, 2.3066586, 1e-7);
  const std::pair<const char*, double> scaled[] = {{"DEPTH_METERS", feet * 0.3048},
                                                   {"DEPTH_CENTIMETERS", feet * 30.48},
                                                   {"DEPTH_INCHES", feet * 12}};
  for (const auto& [name, value] : scaled) {
    ASSERT_EQ(file.Resolve(name), 1) << name;
    EXPECT_NEAR(file.Stored(name), value, 1e-11) << name;
  }
}

TEST(DepthTest, BelowTheSurfaceAtTheMomentOfTheReferenceIsTheUserReference) {
  LogFileDescription d = SondeDescription();
  d.site.density = 0.0f;
  d.site.specificGravity = 1.0f;
  d.site.nowReference = 5.0f;
  d.site.userReference = 2.0f;
  d.site.whenToReadReference = 0;
  AttachedFile file(d, Chosen({}, {{test_support::kPressureCode, 5.0}}));
  ASSERT_TRUE(file.ready());
  // L = N: the level has not moved; the user reference of 2 psi is 4.61334 ft.
  for (const char* name : {"DEPTH_SURFACE_FEET", "DEPTH_TOC_FEET"}) {
    ASSERT_EQ(file.Resolve(name), 1) << name;
    EXPECT_NEAR(file.Stored(name), 4.61334, 1e-12) << name;
  }
  ASSERT_EQ(file.Resolve("DEPTH_SURFACE_INCHES"), 1);
  EXPECT_NEAR(file.Stored("DEPTH_SURFACE_INCHES"), 4.61334 * 12, 1e-11);
  ASSERT_EQ(file.Resolve("DEPTH_TOC_METERS"), 1);
  EXPECT_NEAR(file.Stored("DEPTH_TOC_METERS"), 4.61334 * 0.3048, 1e-12);
}

TEST(DepthTest, TheStartOfTestReferenceWhenTheFlagIsSet) {
  LogFileDescription d = SondeDescription();
  d.site.density = 0.0f;
  d.site.specificGravity = 1.0f;
  d.site.nowReference = 5.0f;
  d.site.userReference = 2.0f;
  d.site.whenToReadReference = 1;
  d.pressureReference = 4.0f;
  // The start-of-test reference is the first record's BASE pressure less the factory reference:
  // 10.5 - 4 = 6.5, taken as it is.
  AttachedFile file(
      d, Chosen({{test_support::kPressureCode, 10.5}}, {{test_support::kPressureCode, 3.0}}));
  ASSERT_TRUE(file.ready());
  // L = 3 x 2.30667 = 6.92001, U = 4.61334: below the surface U - (6.5 - L) = 5.03335, below the
  // top of the casing 6.5 - L + U = 4.19333.
  ASSERT_EQ(file.Resolve("DEPTH_SURFACE_FEET"), 1);
  EXPECT_NEAR(file.Stored("DEPTH_SURFACE_FEET"), 5.03335, 1e-9);
  ASSERT_EQ(file.Resolve("DEPTH_TOC_FEET"), 1);
  EXPECT_NEAR(file.Stored("DEPTH_TOC_FEET"), 4.19333, 1e-9);
  ASSERT_EQ(file.Resolve("DEPTH_TOC_CENTIMETERS"), 1);
  EXPECT_NEAR(file.Stored("DEPTH_TOC_CENTIMETERS"), 4.19333 * 30.48, 1e-8);
}

}  // namespace
}  // namespace pelcon
