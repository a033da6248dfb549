#pragma once

// The loggers of the compensation tests, with values simple enough to work out by hand.

#include "tests/cli_e2e/cli_program.hpp"

namespace pelcon::cli_e2e {

// A level logger reading 20.000 psi every minute from 14:30 to 14:36, at 21.50 C.
inline test_support::LogFileDescription CompensationLevel() {
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.records.assign(7, {2150, 20000});
  return d;
}

// The barometric logger: 14.500, 14.600 and 14.700 psi at 14:30, 14:32 and 14:34.
inline test_support::LogFileDescription CompensationBarometer() {
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.deviceCode = 28;
  d.interval = {0, 0, 2, 0, 0};
  d.records = {{1800, 14500}, {1800, 14600}, {1800, 14700}};
  return d;
}

// The water column in metres over 20 psi at the barometric pressure b in psi, with 1000 kg/m3
// and 9.80665 m/s2: (20 - b) psi x 6894.757 Pa/psi / (1000 kg/m3 x 9.80665 m/s2).
inline double CompensationMetres(double b) {
  return (20 - b) * 6894.757 / (1000 * 9.80665);
}

}  // namespace pelcon::cli_e2e
