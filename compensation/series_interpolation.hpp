#pragma once

#include <optional>
#include <span>

namespace pelcon {

// A value at a time, in seconds of the logger's clock.
struct TimedValue {
  double seconds = 0.0;
  double value = 0.0;
};

// The value of a series sorted by time at a moment: a sample at that very moment, or the linear
// interpolation between the two neighbouring samples when both lie within maxGapSeconds of it.
// Nothing outside the series (no extrapolation) or across a wider gap.
std::optional<double> InterpolateAt(std::span<const TimedValue> series, double seconds,
                                    double maxGapSeconds);

}  // namespace pelcon
