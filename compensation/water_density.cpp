#include "compensation/water_density.hpp"

namespace pelcon {

// M. Tanaka, G. Girard, R. Davis, A. Peuto and N. Bignell, "Recommended table for the density of
// water between 0 C and 40 C based on recent experimental reports", Metrologia 38 (2001)
// 301-309, equation 1 with the coefficients of its table 2 (air-free water, 101.325 kPa).
double FreshWaterDensity(double celsius) {
  constexpr double a1 = -3.983035;   // degrees C
  constexpr double a2 = 301.797;     // degrees C
  constexpr double a3 = 522528.9;    // degrees C squared
  constexpr double a4 = 69.34881;    // degrees C
  constexpr double a5 = 999.974950;  // kg/m3
  const double t = celsius;
  return a5 * (1 - (t + a1) * (t + a1) * (t + a2) / (a3 * (t + a4)));
}

}  // namespace pelcon
