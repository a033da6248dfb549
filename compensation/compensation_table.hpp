#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "compensation/level_unit.hpp"
#include "compensation/series_interpolation.hpp"

namespace pelcon {

// The records of a level logger: absolute pressure in psi and temperature in degrees Celsius
// (nothing when the logger has none), at times in seconds of its clock.
struct LevelRecords {
  std::vector<double> seconds;
  std::vector<double> pressurePsi;
  std::vector<std::optional<double>> celsius;
};

struct CompensationSettings {
  double maxGapSeconds = 3600;
  // Added to the barometric logger's times to bring them to the level logger's clock.
  double barometricShiftSeconds = 0;
  double densityKgPerM3 = 1000;
  bool densityFromTemperature = false;  // each record's own, instead of densityKgPerM3
  double gravity = 9.80665;             // m/s2
  double offsetPsi = 0;                 // a constant pressure offset between the two sensors
  LevelUnit unit = LevelUnit::kMetre;
  std::vector<TimedValue> depthToWater;  // hand readings in the unit, level logger's clock
  std::vector<TimedValue> elevation;
};

// One level record compensated. The computed values are there only when a barometric value
// was found within the gap.
struct CompensatedRecord {
  double seconds = 0.0;
  double pressurePsi = 0.0;
  std::optional<double> barometricPsi;
  std::optional<double> waterColumn;  // in the settings' unit
  std::optional<double> depthToWater;
  std::optional<double> elevation;
  std::optional<double> celsius;
};

struct CompensationTable {
  std::vector<CompensatedRecord> records;
  std::size_t compensatedCount = 0;
  // Change of the reference offset from the first hand reading to the last, in the unit; there
  // when two or more readings of that kind were given.
  std::optional<double> depthToWaterDrift;
  std::optional<double> elevationDrift;
  std::vector<std::string> warnings;
  std::string error;  // set when the level record cannot be compensated; nothing else is then
};

// Subtracts the barometric record (psi, times in seconds of its clock) from the level record
// and ties the water column to the hand readings of the settings.
CompensationTable Compensate(const LevelRecords& level, std::vector<TimedValue> barometric,
                             const CompensationSettings& settings);

}  // namespace pelcon
