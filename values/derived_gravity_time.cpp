#include "values/derived_value_calculations.hpp"

#include <cmath>
#include <optional>

#include "values/derived_value_compute.hpp"

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

int FetchGravity(std::string_view name, CDataMap& result) {
  return DeriveValue(name, result, [](CDataMap& origins) -> std::optional<double> {
    return GravityAt(OriginValue(origins, "LATITUDE"), OriginValue(origins, "ELEVATION"));
  });
}

int FetchElapsedDays(std::string_view name, CDataMap& result) {
  return DeriveValue(name, result, [](CDataMap& origins) -> std::optional<double> {
    const double start = OriginValue(origins, "STARTTIME");
    const double time = OriginValue(origins, "TIMESTAMP");
    // A record before the start has no elapsed time.
    if (time < start) return std::nullopt;
    return time - start;
  });
}

int FetchElapsedHours(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "ELAPSED_DAYS", 24);
}

int FetchElapsedMinutes(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "ELAPSED_DAYS", 1440);
}

int FetchElapsedSeconds(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "ELAPSED_DAYS", 86400);
}

}  // namespace pelcon
