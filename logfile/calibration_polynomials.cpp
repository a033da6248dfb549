#include "logfile/calibration_polynomials.hpp"

#include <cmath>
#include <limits>

namespace pelcon {
namespace {

long double Horner(std::span<const float, 4> c, long double x) {
  return ((static_cast<long double>(c[3]) * x + c[2]) * x + c[1]) * x + c[0];
}

}  // namespace

double Cubic(std::span<const float, 4> c, double x) {
  return static_cast<double>(Horner(c, x));
}

double Bicubic(std::span<const float, 16> c, double x, double y) {
  // Row i of the coefficients is the cubic in y that multiplies x^i.
  long double sum = 0.0L;
  for (int i = 3; i >= 0; --i) {
    sum = sum * x + Horner(c.subspan(static_cast<std::size_t>(4 * i)).first<4>(), y);
  }
  return static_cast<double>(sum);
}

double CallendarVanDusenTemperature(double resistance, float r0, float a, float bc) {
  const double discriminant =
      static_cast<double>(a) * a - 4.0 * bc * (1.0 - resistance / static_cast<double>(r0));
  return (std::sqrt(discriminant) - a) / (2.0 * static_cast<double>(bc));
}

double RoundToSingle(double value) {
  // Converting a double beyond the float range is undefined; an overflow is an infinity here.
  if (std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::copysign(std::numeric_limits<double>::infinity(), value);
  }
  return static_cast<float>(value);
}

}  // namespace pelcon
