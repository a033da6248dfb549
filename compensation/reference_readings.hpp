#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compensation/series_interpolation.hpp"

namespace pelcon {

// What a hand reading measures: the depth to water below a measuring point (it grows as the
// water column shrinks) or the elevation of the water level above a datum (it grows with it).
enum class ReferenceKind { kDepthToWater, kElevation };

// Hand readings tied to a water column record: at each reading, the offset c that turns the
// water column h into the measured level (depth to water c - h, elevation c + h). Between two
// readings the offset moves linearly in time, which corrects the sensor's drift; before the first
// and after the last it stays constant.
class ReferenceTie {
 public:
  // readings: the hand readings (values in the water column's unit), in any order; waterColumn:
  // the computed water column sorted by time. Nothing, with the reason in error, when a reading
  // lies outside the water column record (h at a reading is interpolated between the records
  // around it).
  static std::optional<ReferenceTie> Make(ReferenceKind kind, std::vector<TimedValue> readings,
                                          std::span<const TimedValue> waterColumn,
                                          std::string& error);

  ReferenceKind Kind() const { return kind_; }
  // The level at a moment from the water column there.
  double LevelAt(double seconds, double waterColumn) const;
  // How much the offset changed from the first reading to the last: what the sensor drifted, in
  // the water column's unit. Nothing for a single reading, which cannot show drift.
  std::optional<double> Drift() const;

 private:
  ReferenceTie(ReferenceKind kind, std::vector<TimedValue> offsets)
      : kind_(kind), offsets_(std::move(offsets)) {}

  ReferenceKind kind_;
  std::vector<TimedValue> offsets_;  // sorted by time, never empty
};

}  // namespace pelcon
