#include "logfile/calibration_polynomials.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace pelcon {
namespace {

TEST(CalibrationPolynomials, BicubicConstantTermIgnoresBothReadings) {
  std::array<float, 16> c{};
  c[0] = 5.0f;
  for (const double x : {0.0, 1.0, 777.0, 65535.0}) {
    for (const double y : {0.0, 2150.0, 65535.0}) EXPECT_EQ(Bicubic(c, x, y), 5.0);
  }
}

TEST(CalibrationPolynomials, BicubicRowsFollowTheFirstVariable) {
  // c[4i + j] multiplies x^i * y^j.
  std::array<float, 16> c{};
  c[4] = 1.0f;
  EXPECT_EQ(Bicubic(c, 1234.0, 99.0), 1234.0);
  c = {};
  c[1] = 1.0f;
  EXPECT_EQ(Bicubic(c, 1234.0, 99.0), 99.0);
  c = {};
  c[4 * 2 + 3] = 1.0f;  // x^2 * y^3 at (2, 3): 4 * 27
  EXPECT_EQ(Bicubic(c, 2.0, 3.0), 108.0);
  c = {};
  c[4 * 3 + 1] = 2.0f;  // 2 * x^3 * y at (3, 5): 2 * 27 * 5
  EXPECT_EQ(Bicubic(c, 3.0, 5.0), 270.0);
}

TEST(CalibrationPolynomials, BicubicSumsEveryTerm) {
  // All sixteen coefficients 1 at (2, 3): (1 + 2 + 4 + 8) * (1 + 3 + 9 + 27) = 15 * 40.
  std::array<float, 16> c;
  c.fill(1.0f);
  EXPECT_EQ(Bicubic(c, 2.0, 3.0), 600.0);
}

TEST(CalibrationPolynomials, CubicByPowers) {
  // 1 + 2*2 + 3*4 + 4*8 = 49.
  EXPECT_EQ(Cubic(std::array<float, 4>{1.0f, 2.0f, 3.0f, 4.0f}, 2.0), 49.0);
  EXPECT_EQ(Cubic(std::array<float, 4>{-1.5f, 0.0f, 0.0f, 0.0f}, 123.0), -1.5);
}

TEST(CalibrationPolynomials, EvaluatedBeyondSinglePrecision) {
  // 2^24 + 1 has no float; in float arithmetic the sum would stay 2^24.
  EXPECT_EQ(Cubic(std::array<float, 4>{16777216.0f, 1.0f, 0.0f, 0.0f}, 1.0), 16777217.0);
  std::array<float, 16> c{};
  c[0] = 16777216.0f;
  c[4] = 1.0f;
  EXPECT_EQ(Bicubic(c, 1.0, 0.0), 16777217.0);
}

TEST(CalibrationPolynomials, CallendarVanDusenGivesTheBoilingPointResistance) {
  // IEC 60751 tables 138.5055 ohm at 100 C. With the constants and the resistance rounded to
  // float as a file stores them, (sqrt(A^2 - 4 Bc (1 - u/R0)) - A) / (2 Bc) = 99.99998610300...
  // (worked out in Python from the float values).
  const double t = CallendarVanDusenTemperature(138.5055f, 100.0f, 3.9083e-3f, -5.775e-7f);
  EXPECT_NEAR(t, 99.9999861030031, 1e-9);
  // At R0 the temperature is 0.
  EXPECT_EQ(CallendarVanDusenTemperature(100.0, 100.0f, 3.9083e-3f, -5.775e-7f), 0.0);
}

TEST(CalibrationPolynomials, CallendarVanDusenWithoutConstantsIsNotFinite) {
  // A file with no sensor constants divides by zero; the value prints as an empty cell.
  EXPECT_FALSE(std::isfinite(CallendarVanDusenTemperature(0.0, 0.0f, 0.0f, 0.0f)));
}

}  // namespace
}  // namespace pelcon
