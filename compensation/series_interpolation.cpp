#include "compensation/series_interpolation.hpp"

#include <algorithm>

namespace pelcon {

std::optional<double> InterpolateAt(std::span<const TimedValue> series, double seconds,
                                    double maxGapSeconds) {
  const auto next =
      std::lower_bound(series.begin(), series.end(), seconds,
                       [](const TimedValue& sample, double time) { return sample.seconds < time; });
  if (next != series.end() && next->seconds == seconds) return next->value;
  if (next == series.begin() || next == series.end()) return std::nullopt;
  const TimedValue& before = *(next - 1);
  if (seconds - before.seconds > maxGapSeconds || next->seconds - seconds > maxGapSeconds) {
    return std::nullopt;
  }
  const double fraction = (seconds - before.seconds) / (next->seconds - before.seconds);
  return before.value + fraction * (next->value - before.value);
}

}  // namespace pelcon
