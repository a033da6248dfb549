#include "values/unit_converter.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace pelcon {
namespace {

constexpr int kPressure = kPressureLevelType;
constexpr double kStandardGravity = 9.80665;

TEST(UnitIndexTest, AcceptsExactlyTheUnitsOfEachFamily) {
  struct Family {
    int type;
    int highest;
  };
  const Family families[] = {{2, 1},  {8, 1},  {3, 7}, {5, 5},  {6, 5},  {7, 3},  {28, 3},
                             {29, 3}, {30, 3}, {4, 0}, {13, 0}, {16, 0}, {17, 0}, {22, 0}};
  for (const Family& f : families) {
    for (int unit = 0; unit <= f.highest; ++unit) EXPECT_EQ(UnitIndex(f.type, unit), unit);
    EXPECT_EQ(UnitIndex(f.type, f.highest + 1), -1) << "type " << f.type;
    EXPECT_EQ(UnitIndex(f.type, -1), -1) << "type " << f.type;
  }
  for (int type : {0, 1, 9, 27, 31}) EXPECT_EQ(UnitIndex(type, 0), -1) << "type " << type;
}

TEST(ConvertUnitsTest, Temperature) {
  EXPECT_DOUBLE_EQ(ConvertUnits(100, 2, 0, 1), 212);
  EXPECT_DOUBLE_EQ(ConvertUnits(212, 2, 1, 0), 100);
  // -40 is the same on both scales.
  EXPECT_DOUBLE_EQ(ConvertUnits(-40, 2, 0, 1), -40);
  EXPECT_NEAR(ConvertUnits(-40, 2, 1, 0), -40, 1e-12);
  EXPECT_DOUBLE_EQ(ConvertUnits(37.5, 2, 0, 0), 37.5);
  EXPECT_DOUBLE_EQ(ConvertUnits(37.5, 2, 1, 1), 37.5);
}

TEST(ConvertUnitsTest, PressureAndLevelFactors) {
  EXPECT_DOUBLE_EQ(ConvertUnits(1, kPressure, 0, 3), 6.894757);
  // 1 psi of water is 2.30667 ft; 10 ft are 3.048 m; 1 m is 100 cm; 2 in are 5.08 cm.
  EXPECT_DOUBLE_EQ(ConvertUnits(1, kPressure, 0, 1), 2.30667);
  EXPECT_DOUBLE_EQ(ConvertUnits(10, kPressure, 1, 2), 3.048);
  EXPECT_DOUBLE_EQ(ConvertUnits(1, kPressure, 2, 6), 100);
  EXPECT_DOUBLE_EQ(ConvertUnits(2, kPressure, 7, 6), 5.08);
  // 2 bar = 200 kPa; 1 kgf/cm2 = 98.0665 kPa.
  EXPECT_DOUBLE_EQ(ConvertUnits(2, kPressure, 4, 3), 200);
  EXPECT_DOUBLE_EQ(ConvertUnits(1, kPressure, 5, 3), 98.0665);
}

// A kgf/cm2 is a 10 m column of water (the table's own kgf/cm2 -> m entry), so 1 ft of water is
// 0.3048 / 10 = 0.03048 kgf/cm2 and 1 kgf/cm2 is 1000 cm; 1 bar is 100 kPa and 1 kPa is
// 10.19716866019 cm, so 1 bar is 1019.716866019 cm.
TEST(ConvertUnitsTest, FactorsThatEasilySlipByTenAreConsistent) {
  EXPECT_NEAR(ConvertUnits(1, kPressure, 1, 5), 0.03048, 1e-6);
  EXPECT_NEAR(ConvertUnits(1, kPressure, 4, 6), 1019.716866019, 1e-9);
  EXPECT_DOUBLE_EQ(ConvertUnits(1, kPressure, 5, 6), 1000);
  // And against their reverse entries: a round trip lands where it started.
  EXPECT_NEAR(ConvertUnits(ConvertUnits(1, kPressure, 1, 5), kPressure, 5, 1), 1, 1e-4);
  EXPECT_NEAR(ConvertUnits(ConvertUnits(1, kPressure, 4, 6), kPressure, 6, 4), 1, 1e-4);
  EXPECT_NEAR(ConvertUnits(ConvertUnits(1, kPressure, 5, 6), kPressure, 6, 5), 1, 1e-4);
}

// Every factor must agree with its reverse entry and with any detour through a third unit; a
// digit slipped anywhere in a table breaks one of these.
void ExpectConsistentFactors(int type, int units) {
  for (int from = 0; from < units; ++from) {
    for (int to = 0; to < units; ++to) {
      const double there = ConvertUnits(1, type, from, to);
      EXPECT_NEAR(there * ConvertUnits(1, type, to, from), 1, 5e-5)
          << "type " << type << " " << from << " <-> " << to;
      for (int via = 0; via < units; ++via) {
        const double detour = ConvertUnits(ConvertUnits(1, type, from, via), type, via, to);
        EXPECT_NEAR(detour / there, 1, 5e-5)
            << "type " << type << " " << from << " -> " << via << " -> " << to;
      }
    }
  }
}

TEST(ConvertUnitsTest, PressureAndLevelTableIsConsistent) {
  ExpectConsistentFactors(3, 8);
}

TEST(ConvertUnitsTest, BarometricTableIsConsistent) {
  ExpectConsistentFactors(6, 6);
}

TEST(ConvertUnitsTest, BarometricAndRedox) {
  EXPECT_DOUBLE_EQ(ConvertUnits(1, 6, 0, 1), 2.036);
  // 14.7 x 2.036 = 29.9292
  EXPECT_DOUBLE_EQ(ConvertUnits(14.7, 6, 0, 1), 29.9292);
  EXPECT_DOUBLE_EQ(ConvertUnits(2, 6, 2, 3), 2000);
  EXPECT_DOUBLE_EQ(ConvertUnits(1000, 8, 0, 1), 1);
  EXPECT_DOUBLE_EQ(ConvertUnits(2, 8, 1, 0), 2000);
  EXPECT_DOUBLE_EQ(ConvertUnits(-350, 8, 0, 0), -350);
}

TEST(ConvertUnitsTest, ConductivityAtTemperature) {
  // At 15 degrees C the compensation is (15 - 25) x 0.0191 + 1 = 0.809.
  const double specific = 1000 / 0.809;
  EXPECT_DOUBLE_EQ(ConvertUnitsFull(1000, 5, 0, 5, 15, 0, 0), specific);
  EXPECT_NEAR(ConvertUnitsFull(1000, 5, 0, 2, 15, 0, 0), 0.65 * specific, 1e-9);
  EXPECT_NEAR(ConvertUnitsFull(specific, 5, 5, 0, 15, 0, 0), 1000, 1e-9);
  EXPECT_DOUBLE_EQ(ConvertUnits(1000, 5, 0, 1), 1);
  EXPECT_DOUBLE_EQ(ConvertUnits(1.5, 5, 1, 0), 1500);
  // 1000 / 1000 uS/cm = 1; from mS/cm, 2 mS/cm = 2000 uS/cm -> 0.5.
  EXPECT_DOUBLE_EQ(ConvertUnits(1000, 5, 0, 4), 1);
  EXPECT_DOUBLE_EQ(ConvertUnits(2, 5, 1, 4), 0.5);
  // 650 of TDS at 25 degrees C is 650 / 0.65 = 1000 uS/cm both specific and actual.
  EXPECT_NEAR(ConvertUnits(650, 5, 2, 5), 1000, 1e-9);
  EXPECT_NEAR(ConvertUnits(650, 5, 2, 0), 1000, 1e-9);
  EXPECT_NEAR(ConvertUnits(650, 5, 2, 1), 1, 1e-12);
}

TEST(ConvertUnitsTest, ResistivityConvertsBackToTheConductivityItCameFrom) {
  // Resistivity is 1000 / conductivity, so 1000 / resistivity is the conductivity again.
  EXPECT_DOUBLE_EQ(ConvertUnits(ConvertUnits(1000, 5, 0, 4), 5, 4, 0), 1000);
  EXPECT_DOUBLE_EQ(ConvertUnits(0.5, 5, 4, 0), 2000);
  EXPECT_DOUBLE_EQ(ConvertUnits(0.5, 5, 4, 1), 2);
  // 2000 uS/cm at 15 degrees C is 2000 / 0.809 referred to 25 degrees C.
  EXPECT_DOUBLE_EQ(ConvertUnitsFull(0.5, 5, 4, 5, 15, 0, 0), 2000 / 0.809);
}

TEST(ConvertUnitsTest, SalinityCannotBeConvertedBack) {
  EXPECT_DOUBLE_EQ(ConvertUnits(35, 5, 3, 0), -1);
  EXPECT_DOUBLE_EQ(ConvertUnits(35, 5, 3, 1), -0.001);
  EXPECT_DOUBLE_EQ(ConvertUnits(35, 5, 3, 4), -1000);
  EXPECT_DOUBLE_EQ(ConvertUnits(35, 5, 3, 3), 35);
}

TEST(ConvertUnitsTest, PracticalSalinity) {
  // At 15 degrees C the ratio is E / 42933 and the temperature term f is 0. With R = 1 the
  // polynomial is 0.008 - 0.1692 + 25.3851 + 14.0941 - 7.0261 + 2.7081 = 35, less
  // 0.008 / (1 + 600 + 160000) = 4.98e-8.
  EXPECT_NEAR(ConvertUnitsFull(42933, 5, 0, 3, 15, 0, 0), 35 - 4.98e-8, 1e-9);
  // R = 0.01: 0.008 - 0.01692 + 0.253851 + 0.0140941 - 0.00070261 + 0.000027081 = 0.258349571,
  // less 0.008 / (1 + 6 + 16) = 0.000347826.
  EXPECT_NEAR(ConvertUnitsFull(429.33, 5, 0, 3, 15, 0, 0), 0.258001745, 1e-9);
  // At 25 degrees C, E = 42933 x 1.191 gives R = 1 again; the f polynomial sums to 0 at R = 1,
  // and f = 10 / 1.162 = 8.605852 leaves 0.0005 x f / (1 + 10 + 1000) = 4.2561e-6 to subtract.
  EXPECT_NEAR(ConvertUnits(42933 * 1.191, 5, 0, 3), 35 - 4.98e-8 - 4.2561e-6, 1e-9);
  // The same through mS/cm.
  EXPECT_NEAR(ConvertUnitsFull(42.933, 5, 1, 3, 15, 0, 0), 35 - 4.98e-8, 1e-9);
}

TEST(ConvertUnitsTest, DissolvedOxygenConcentrations) {
  // 8 x 31.251172 = 250.009376
  EXPECT_DOUBLE_EQ(ConvertUnits(8, 7, 0, 3), 250.009376);
  EXPECT_DOUBLE_EQ(ConvertUnits(8, 7, 0, 1), 8000);
  EXPECT_DOUBLE_EQ(ConvertUnits(8000, 7, 1, 0), 8);
  // 8000 ug/L = 8 mg/L = 250.009376 umol/L.
  EXPECT_NEAR(ConvertUnits(8000, 7, 1, 3), 250.009376, 1e-9);
  // 250 x 0.0319988 = 7.9997 mg/L.
  EXPECT_NEAR(ConvertUnits(250, 7, 3, 0), 7.9997, 1e-12);
  EXPECT_NEAR(ConvertUnits(250, 7, 3, 1), 7999.7, 1e-9);
  for (int to : {0, 1, 3}) EXPECT_DOUBLE_EQ(ConvertUnits(90, 7, 2, to), -1);
  EXPECT_DOUBLE_EQ(ConvertUnits(90, 7, 2, 2), 90);
  for (int type : {28, 29, 30}) EXPECT_DOUBLE_EQ(ConvertUnits(8, type, 0, 3), 250.009376);
}

TEST(ConvertUnitsTest, OxygenSaturation) {
  // Air-saturated fresh water at 25 degrees C and one atmosphere holds about 8.263 mg/L, so that
  // concentration is close to 100 %.
  EXPECT_NEAR(ConvertUnitsFull(8.262, 7, 0, 2, 25, 29.92f, 0), 100, 0.05);
  EXPECT_NEAR(ConvertUnits(8.262, 7, 0, 2), 100, 0.05);
  // At 5 degrees C saturation is about 12.77 mg/L.
  EXPECT_NEAR(ConvertUnitsFull(12.77, 7, 0, 2, 5, 29.92f, 0), 100, 0.05);
  // Half an atmosphere: Cs = 8.26284, vapour pressure 0.031262 atm, theta 0.000658725;
  // Cp = Cs x 0.5 x (1 - 0.062524) x (1 - 0.000329) / ((1 - 0.031262) x (1 - 0.000659)) = 3.99941,
  // and 8.262 / 3.99941 = 206.58 %.
  EXPECT_NEAR(ConvertUnitsFull(8.262, 7, 0, 2, 25, 14.96f, 0), 206.58, 0.01);
  // Salt lowers the solubility (6.7714 mg/L at salinity 35), raising the saturation of 6 mg/L.
  EXPECT_NEAR(ConvertUnitsFull(6, 7, 0, 2, 25, 29.92f, 35), 88.608, 0.01);
  // The same from ug/L and umol/L.
  EXPECT_NEAR(ConvertUnitsFull(8262, 7, 1, 2, 25, 29.92f, 0), 100, 0.05);
  EXPECT_NEAR(ConvertUnitsFull(8.262 * 31.251172, 7, 3, 2, 25, 29.92f, 0), 100, 0.05);
}

TEST(ConvertUnitsTest, TypesWithoutConversionKeepTheValue) {
  for (int type : {4, 13, 16, 17, 22, 1, 99}) {
    EXPECT_DOUBLE_EQ(ConvertUnits(123.25, type, 0, 0), 123.25) << "type " << type;
  }
}

TEST(ConvertUnitsTest, UnknownUnitOfAFamilyGivesNoNumber) {
  EXPECT_TRUE(std::isnan(ConvertUnits(1, kPressure, 0, 8)));
  EXPECT_TRUE(std::isnan(ConvertUnits(1, kPressure, -1, 0)));
  EXPECT_TRUE(std::isnan(ConvertUnits(1, 2, 2, 0)));
  EXPECT_TRUE(std::isnan(ConvertUnits(1, 7, 0, 4)));
}

TEST(ConvertPressureToLevelTest, PsiToLevelUsesDensityAndGravity) {
  double out = 0;
  // 6.894757 / 9.80665 = 0.703070 m, x 3.280839895 = 2.3066586 ft.
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 1, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 2.3066586, 1e-7);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 2, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 0.7030696, 1e-7);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 6, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 70.30696, 1e-5);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 7, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 27.680, 1e-3);
  // Sea water (1.025 g/cm3) stands lower: 0.7030696 / 1.025 = 0.6859216 m.
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 2, 1.025, kStandardGravity), 0);
  EXPECT_NEAR(out, 0.6859216, 1e-7);
}

TEST(ConvertPressureToLevelTest, LevelToPsi) {
  double out = 0;
  // 10 ft = 3.048 m; 9.80665 x 3.048 = 29.890669, x 0.1450377439 = 4.335275 psi.
  EXPECT_EQ(ConvertPressureToLevel(10, out, kPressure, 1, 0, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 4.335275, 1e-6);
  // 100 cm = 1 m: 9.80665 x 0.1450377439 = 1.422334 psi; 39.37 in are the same metre.
  EXPECT_EQ(ConvertPressureToLevel(100, out, kPressure, 6, 0, 1, kStandardGravity), 0);
  EXPECT_NEAR(out, 1.422334, 1e-6);
  EXPECT_EQ(ConvertPressureToLevel(39.37007874015748, out, kPressure, 7, 0, 1, kStandardGravity),
            0);
  EXPECT_NEAR(out, 1.422334, 1e-6);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 2, 0, 2, kStandardGravity), 0);
  EXPECT_NEAR(out, 2.844668, 1e-6);
}

TEST(ConvertPressureToLevelTest, PressureToPressureAndLevelToLevel) {
  double out = 0;
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 4, 0, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 14.50377438972831);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 5, 3, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 98.0665);
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 0, 5, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 0.07030695497443061);
  EXPECT_EQ(ConvertPressureToLevel(7, out, kPressure, 3, 3, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 7);
  EXPECT_EQ(ConvertPressureToLevel(7, out, kPressure, 0, 0, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 7);
  EXPECT_EQ(ConvertPressureToLevel(2, out, kPressure, 2, 1, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 6.561679790026246);
  EXPECT_EQ(ConvertPressureToLevel(24, out, kPressure, 7, 1, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 2);
  EXPECT_EQ(ConvertPressureToLevel(5, out, kPressure, 6, 6, 1, kStandardGravity), 0);
  EXPECT_DOUBLE_EQ(out, 5);
}

TEST(ConvertPressureToLevelTest, StatusesLeaveTheValueUnconverted) {
  double out = -5;
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, 9, 1, 1, kStandardGravity), 5077);
  EXPECT_DOUBLE_EQ(out, 1);
  out = -5;
  EXPECT_EQ(ConvertPressureToLevel(1, out, kPressure, -1, 1, 1, kStandardGravity), 5077);
  EXPECT_DOUBLE_EQ(out, 1);
  out = -5;
  EXPECT_EQ(ConvertPressureToLevel(2, out, kPressure, 0, 8, 1, kStandardGravity), 5078);
  EXPECT_DOUBLE_EQ(out, 2);
  // The invalid source is reported even when the target is invalid too.
  EXPECT_EQ(ConvertPressureToLevel(2, out, kPressure, 8, 8, 1, kStandardGravity), 5077);
  // kPa, bar and kgf/cm2 have no level without a density; psi has.
  for (int pressure : {3, 4, 5}) {
    for (int level : {1, 2, 6, 7}) {
      out = -5;
      EXPECT_EQ(ConvertPressureToLevel(3, out, kPressure, pressure, level, 1, kStandardGravity),
                5079);
      EXPECT_DOUBLE_EQ(out, 3);
      EXPECT_EQ(ConvertPressureToLevel(3, out, kPressure, level, pressure, 1, kStandardGravity),
                5079);
      EXPECT_DOUBLE_EQ(out, 3);
    }
  }
}

TEST(ConvertPressureToLevelTest, OtherFamiliesHaveNoLevel) {
  double out = -5;
  EXPECT_EQ(ConvertPressureToLevel(1, out, 6, 0, 1, 1, kStandardGravity), 5079);
  EXPECT_DOUBLE_EQ(out, 1);
  EXPECT_EQ(ConvertPressureToLevel(1, out, 6, 6, 1, 1, kStandardGravity), 5077);
  EXPECT_EQ(ConvertPressureToLevel(1, out, 2, 0, 2, 1, kStandardGravity), 5078);
}

}  // namespace
}  // namespace pelcon
