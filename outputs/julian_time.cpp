#include "outputs/julian_time.hpp"

#include <cmath>

namespace pelcon::outputs {
namespace {

constexpr double kJulian1899December30 = 2415018.5;
constexpr double kJulian1970January1 = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

double SpreadsheetDay(double julian) {
  return julian - kJulian1899December30;
}

double SecondsSince1970(double julian) {
  // A Julian date near today resolves about 20 microseconds; records are stamped to the
  // millisecond at most.
  return std::round((julian - kJulian1970January1) * kSecondsPerDay * 1000.0) / 1000.0;
}

}  // namespace pelcon::outputs
