#pragma once

// Turbidity from the two range readings of one row (block 86 and the factory sets S_3, S_4).

#include "logfile/log_blocks.hpp"

namespace pelcon {

struct TurbidityReadings {
  double low;      // P[S_3] of the low-range reading and the board temperature
  double high;     // P[S_4] of the high-range reading and the board temperature
  bool lowIsZero;  // the low-range reading itself is 0: no low-range measurement
};

// The calibrated turbidity at `temperature`. The low range serves a value up to its last
// calibration point; above it, or when the low range has no points, the high range does.
// `temperatureCoefficients` is false when the file's block 86 lacks them (its short form); they
// then count as 0.
double Turbidity(const Block86& block, bool temperatureCoefficients,
                 const TurbidityReadings& readings, double temperature);

}  // namespace pelcon
