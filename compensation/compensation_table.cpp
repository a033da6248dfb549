#include "compensation/compensation_table.hpp"

#include <algorithm>

#include "compensation/reference_readings.hpp"
#include "compensation/water_column.hpp"
#include "compensation/water_density.hpp"

namespace pelcon {
namespace {

// Barometric pressures outside this range in psi come from a wrongly chosen file.
constexpr double kLowestBarometricPsi = 10;
constexpr double kHighestBarometricPsi = 17;
constexpr double kWellCompensatedShare = 0.9;

// Ties the water column to the readings of one kind; false with the table's error set when a
// reading cannot be tied.
bool TieReadings(ReferenceKind kind, const std::vector<TimedValue>& readings,
                 std::optional<double> CompensatedRecord::*level, std::optional<double>& drift,
                 CompensationTable& table) {
  if (readings.empty()) return true;
  std::vector<TimedValue> waterColumn;
  for (const CompensatedRecord& record : table.records) {
    if (record.waterColumn) waterColumn.push_back({record.seconds, *record.waterColumn});
  }
  std::sort(waterColumn.begin(), waterColumn.end(),
            [](const TimedValue& a, const TimedValue& b) { return a.seconds < b.seconds; });
  std::string error;
  const std::optional<ReferenceTie> tie = ReferenceTie::Make(kind, readings, waterColumn, error);
  if (!tie) {
    table.error =
        std::string(kind == ReferenceKind::kDepthToWater ? "a depth-to-water" : "an elevation") +
        " reading cannot be tied to the level record: " + error;
    return false;
  }
  for (CompensatedRecord& record : table.records) {
    if (record.waterColumn) record.*level = tie->LevelAt(record.seconds, *record.waterColumn);
  }
  drift = tie->Drift();
  return true;
}

}  // namespace

CompensationTable Compensate(const LevelRecords& level, std::vector<TimedValue> barometric,
                             const CompensationSettings& settings) {
  CompensationTable table;
  for (TimedValue& sample : barometric) sample.seconds += settings.barometricShiftSeconds;
  std::stable_sort(barometric.begin(), barometric.end(),
                   [](const TimedValue& a, const TimedValue& b) { return a.seconds < b.seconds; });
  const auto [levelFirst, levelLast] =
      std::minmax_element(level.seconds.begin(), level.seconds.end());
  if (barometric.empty() || levelFirst == level.seconds.end() ||
      *levelLast < barometric.front().seconds || *levelFirst > barometric.back().seconds) {
    table.error = "the level and barometric records do not overlap in time";
    return table;
  }
  if (std::any_of(barometric.begin(), barometric.end(), [](const TimedValue& sample) {
        return !(sample.value >= kLowestBarometricPsi && sample.value <= kHighestBarometricPsi);
      })) {
    table.warnings.push_back(
        "barometric values outside 10 to 17 psi: is the barometric file the right one?");
  }

  bool negative = false;
  for (std::size_t k = 0; k < level.seconds.size(); ++k) {
    CompensatedRecord& record = table.records.emplace_back();
    record.seconds = level.seconds[k];
    record.pressurePsi = level.pressurePsi[k];
    record.celsius = level.celsius[k];
    record.barometricPsi = InterpolateAt(barometric, record.seconds, settings.maxGapSeconds);
    const bool densityKnown = !settings.densityFromTemperature || record.celsius.has_value();
    if (!record.barometricPsi || !densityKnown) {
      record.barometricPsi.reset();
      continue;
    }
    const double density = settings.densityFromTemperature ? FreshWaterDensity(*record.celsius)
                                                           : settings.densityKgPerM3;
    const double metres = WaterColumnMetres(record.pressurePsi, *record.barometricPsi,
                                            settings.offsetPsi, density, settings.gravity);
    record.waterColumn = MetresIn(metres, settings.unit);
    negative = negative || metres < 0;
    ++table.compensatedCount;
  }
  if (table.compensatedCount < kWellCompensatedShare * static_cast<double>(table.records.size())) {
    table.warnings.push_back("only " + std::to_string(table.compensatedCount) + " of " +
                             std::to_string(table.records.size()) +
                             " records compensated (fewer than 90 %)");
  }
  if (negative) table.warnings.push_back("a negative water column: is the sensor out of water?");
  if (!TieReadings(ReferenceKind::kDepthToWater, settings.depthToWater,
                   &CompensatedRecord::depthToWater, table.depthToWaterDrift, table) ||
      !TieReadings(ReferenceKind::kElevation, settings.elevation, &CompensatedRecord::elevation,
                   table.elevationDrift, table)) {
    table.records.clear();
    table.compensatedCount = 0;
  }
  return table;
}

}  // namespace pelcon
