#pragma once

// Turbidity from the two range readings of one row (block 86 and the factory sets S_3, S_4).

#include "logfile/log_blocks.hpp"

namespace pelcon {

struct TurbidityReadings {
  float low;       // P[S_3] of the low-range reading and the board temperature
  float high;      // P[S_4] of the high-range reading and the board temperature
  bool lowIsZero;  // the low-range reading itself is 0: no low-range measurement
};

// The calibrated turbidity at `temperature`. The low range serves a value up to its last
// calibration point; above it, or when the low range has no points, the high range does.
// `temperatureCoefficients` is false when the file's block 86 lacks them (its short form); they
// then count as 0.
double Turbidity(const Block86& block, bool temperatureCoefficients,
                 const TurbidityReadings& readings, double temperature);

// The pair of a range record that serves `value`: pair i for the first calibration point i + 1
// at or above it, the last pair in use above all points. `count` is the number of points in use,
// already limited to the record's groups.
int TurbidityPairFor(const TurbidityRangeRecord& record, int count, float value);

}  // namespace pelcon
