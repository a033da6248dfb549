#include <cmath>
#include <optional>

#include "values/derived_value_calculations.hpp"

namespace pelcon {
namespace {

constexpr double kStandardGravity = 9.80665;

}  // namespace

// The international gravity formula with a free-air correction; the degree-to-radian factors are
// the rounded ones the instruments use.
double GravityAt(double latitude, double elevation) {
  // The sines would turn a latitude that is none (the 1.7E308 of a missing origin) into a
  // plausible gravity.
  if (!(std::fabs(latitude) <= 90)) return kStandardGravity;
  const double sin1 = std::sin(latitude * 0.01745329);
  const double sin2 = std::sin(latitude * 0.03490658);
  const double g = 9.780356 * (1 + 0.0052885 * sin1 * sin1 - 0.0000059 * sin2 * sin2) -
                   0.003086 * (elevation * 0.001);
  return g >= 9.74 && g <= 9.84 ? g : kStandardGravity;
}

// Origins: the constant default, LATITUDE, ELEVATION.
std::optional<double> ComputeGravity(const DerivedInputs& in) {
  return GravityAt(in.numbers[1], in.numbers[2]);
}

// Origins: STARTTIME, TIMESTAMP.
std::optional<double> ComputeElapsedDays(const DerivedInputs& in) {
  const double start = in.numbers[0];
  const double time = in.numbers[1];
  // A record before the start has no elapsed time.
  if (time < start) return std::nullopt;
  return time - start;
}

// Origin: ELAPSED_DAYS.
std::optional<double> ComputeElapsedHours(const DerivedInputs& in) {
  return in.numbers[0] * 24;
}

std::optional<double> ComputeElapsedMinutes(const DerivedInputs& in) {
  return in.numbers[0] * 1440;
}

std::optional<double> ComputeElapsedSeconds(const DerivedInputs& in) {
  return in.numbers[0] * 86400;
}

}  // namespace pelcon
