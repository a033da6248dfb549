#pragma once

// The polynomials of the calibration formulas. Coefficients are stored floats, readings are
// single-precision floats; both are evaluated by Horner's rule in extended precision so that the
// two builds agree with each other and with the instruments.

#include <span>

namespace pelcon {

// c0 + c1*x + c2*x^2 + c3*x^3. The variables are readings (floats) or the double result of an
// earlier polynomial.
double Cubic(std::span<const float, 4> c, double x);

// Sum of c[4i + j] * x^i * y^j over i, j = 0..3.
double Bicubic(std::span<const float, 16> c, double x, double y);

// The temperature whose platinum resistance is `resistance` by the Callendar-Van Dusen equation
// R = R0 (1 + A T + Bc T^2), solved for the positive branch. Not guarded: constants of 0 give a
// non-finite value.
double CallendarVanDusenTemperature(double resistance, float r0, float a, float bc);

// A result kept at single precision; beyond the float range it becomes an infinity.
double RoundToSingle(double value);

}  // namespace pelcon
