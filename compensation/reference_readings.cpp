#include "compensation/reference_readings.hpp"

#include <algorithm>
#include <limits>

namespace pelcon {

std::optional<ReferenceTie> ReferenceTie::Make(ReferenceKind kind, std::vector<TimedValue> readings,
                                               std::span<const TimedValue> waterColumn,
                                               std::string& error) {
  if (readings.empty()) {
    error = "no reading";
    return std::nullopt;
  }
  std::sort(readings.begin(), readings.end(),
            [](const TimedValue& a, const TimedValue& b) { return a.seconds < b.seconds; });
  constexpr double kAnyGap = std::numeric_limits<double>::infinity();
  for (TimedValue& reading : readings) {
    const std::optional<double> column = InterpolateAt(waterColumn, reading.seconds, kAnyGap);
    if (!column) {
      error = "no compensated record on both sides of the reading";
      return std::nullopt;
    }
    reading.value += kind == ReferenceKind::kDepthToWater ? *column : -*column;
  }
  return ReferenceTie(kind, std::move(readings));
}

std::optional<double> ReferenceTie::Drift() const {
  if (offsets_.size() < 2) return std::nullopt;
  return offsets_.back().value - offsets_.front().value;
}

double ReferenceTie::LevelAt(double seconds, double waterColumn) const {
  double offset = offsets_.front().value;
  if (seconds >= offsets_.back().seconds) {
    offset = offsets_.back().value;
  } else if (seconds > offsets_.front().seconds) {
    offset = *InterpolateAt(offsets_, seconds, std::numeric_limits<double>::infinity());
  }
  return kind_ == ReferenceKind::kDepthToWater ? offset - waterColumn : offset + waterColumn;
}

}  // namespace pelcon
