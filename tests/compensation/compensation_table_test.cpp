// Compensation of a level record: alignment with the barometric record, the water column, the
// density of water and the ties to hand readings. Expected values come from the formulas in the
// comments, worked out apart from the code.

#include "compensation/compensation_table.hpp"

#include <gtest/gtest.h>

#include "compensation/water_density.hpp"

namespace pelcon {
namespace {

constexpr double kGravity = 9.80665;
// psi of one metre of water of 1000 kg/m3 under standard gravity: 9806.65 Pa / 6894.757 Pa.
constexpr double kPsiPerMetre = 1000 * kGravity / 6894.757;

CompensationSettings Standard() {
  CompensationSettings settings;
  settings.densityKgPerM3 = 1000;
  settings.gravity = kGravity;
  return settings;
}

// Level records at the times (seconds) with the given water columns (m) above a 14.0 psi
// barometer, at 10 degrees C.
LevelRecords Level(const std::vector<double>& seconds, const std::vector<double>& metres) {
  LevelRecords level;
  for (std::size_t k = 0; k < seconds.size(); ++k) {
    level.seconds.push_back(seconds[k]);
    level.pressurePsi.push_back(14.0 + metres[k] * kPsiPerMetre);
    level.celsius.push_back(10.0);
  }
  return level;
}

TEST(Compensation, AlignsTheBarometerWithinTheGapAndNeverExtrapolates) {
  // Barometer at 0, 15 and 30 min, then a gap of two hours to 150 min.
  const std::vector<TimedValue> barometer = {{0, 14.0}, {900, 14.3}, {1800, 14.6}, {9000, 14.6}};
  LevelRecords level;
  level.seconds = {-300, 0, 450, 1800, 3600, 9000, 9600};
  level.pressurePsi.assign(level.seconds.size(), 20.0);
  level.celsius.assign(level.seconds.size(), std::nullopt);
  const CompensationTable table = Compensate(level, barometer, Standard());
  ASSERT_TRUE(table.error.empty()) << table.error;
  ASSERT_EQ(table.records.size(), 7u);
  const auto& r = table.records;
  EXPECT_FALSE(r[0].barometricPsi);  // before the barometer starts
  EXPECT_FALSE(r[0].waterColumn);
  EXPECT_DOUBLE_EQ(*r[1].barometricPsi, 14.0);  // on a barometric record
  // Half way between 14.0 and 14.3.
  EXPECT_NEAR(*r[2].barometricPsi, 14.15, 1e-12);
  EXPECT_NEAR(*r[2].waterColumn, (20.0 - 14.15) * 6894.757 / (1000 * kGravity), 1e-9);
  // On a record whose next neighbour is beyond the gap: that one record suffices.
  EXPECT_DOUBLE_EQ(*r[3].barometricPsi, 14.6);
  // 30 min after one record and 90 min before the next: across a gap wider than 60 min.
  EXPECT_FALSE(r[4].barometricPsi);
  EXPECT_FALSE(r[4].waterColumn);
  EXPECT_TRUE(r[5].waterColumn);
  EXPECT_FALSE(r[6].waterColumn);  // after the barometer ends
  EXPECT_EQ(table.compensatedCount, 4u);
  EXPECT_EQ(table.warnings.size(), 1u);  // fewer than 90 % compensated

  // A wider gap bridges the two hours; a barometric clock shift moves the barometer.
  CompensationSettings settings = Standard();
  settings.maxGapSeconds = 2 * 3600;
  EXPECT_TRUE(Compensate(level, barometer, settings).records[4].waterColumn);
  settings = Standard();
  settings.barometricShiftSeconds = -450;  // the barometer's 450 s is the level's 0
  EXPECT_NEAR(*Compensate(level, barometer, settings).records[1].barometricPsi, 14.15, 1e-12);
}

TEST(Compensation, GivesTheWaterColumnInMetresFeetAndCentimetres) {
  const LevelRecords level = Level({0}, {1.0});
  const std::vector<TimedValue> barometer = {{0, 14.0}};
  CompensationSettings settings = Standard();
  EXPECT_NEAR(*Compensate(level, barometer, settings).records[0].waterColumn, 1.0, 1e-12);
  settings.unit = LevelUnit::kFoot;
  EXPECT_NEAR(*Compensate(level, barometer, settings).records[0].waterColumn, 3.280839895, 1e-9);
  settings.unit = LevelUnit::kCentimetre;
  EXPECT_NEAR(*Compensate(level, barometer, settings).records[0].waterColumn, 100.0, 1e-9);
  // A sensor offset of the pressure of 0.25 m of water leaves 0.75 m.
  settings.offsetPsi = 0.25 * kPsiPerMetre;
  EXPECT_NEAR(*Compensate(level, barometer, settings).records[0].waterColumn, 75.0, 1e-9);
}

TEST(Compensation, DensityOfFreshWaterFollowsThePublishedTable) {
  // Tanaka et al. (2001), table of recommended values, kg/m3.
  EXPECT_NEAR(FreshWaterDensity(0), 999.8428, 0.0005);
  EXPECT_NEAR(FreshWaterDensity(4), 999.9750, 0.0005);
  EXPECT_NEAR(FreshWaterDensity(20), 998.2067, 0.0005);
  EXPECT_NEAR(FreshWaterDensity(25), 997.0470, 0.0005);
  // Each record's own temperature: 1 m of 1000 kg/m3 water is 1000 / 999.7026 m of water at 10 C.
  CompensationSettings settings = Standard();
  settings.densityFromTemperature = true;
  const CompensationTable table = Compensate(Level({0}, {1.0}), {{0, 14.0}}, settings);
  EXPECT_NEAR(*table.records[0].waterColumn, 1000 / 999.7026, 1e-6);
}

TEST(Compensation, TiesTheWaterColumnToAReadingBetweenTwoRecords) {
  // h is 2.0 m at 0 s and 3.0 m at 600 s, so 2.5 m at the readings' 300 s.
  CompensationSettings settings = Standard();
  settings.depthToWater = {{300, 5.0}};
  settings.elevation = {{300, 100.0}};
  const CompensationTable table =
      Compensate(Level({0, 600}, {2.0, 3.0}), {{0, 14.0}, {600, 14.0}}, settings);
  ASSERT_TRUE(table.error.empty()) << table.error;
  // Depth to water 5 - (h - 2.5); elevation 100 + (h - 2.5).
  EXPECT_NEAR(*table.records[0].depthToWater, 5.5, 1e-9);
  EXPECT_NEAR(*table.records[1].depthToWater, 4.5, 1e-9);
  EXPECT_NEAR(*table.records[0].elevation, 99.5, 1e-9);
  EXPECT_NEAR(*table.records[1].elevation, 100.5, 1e-9);
  EXPECT_FALSE(table.depthToWaterDrift);  // one reading shows no drift

  // A reading outside the compensated record cannot be tied: nothing is made.
  settings.depthToWater = {{900, 5.0}};
  const CompensationTable outside =
      Compensate(Level({0, 600}, {2.0, 3.0}), {{0, 14.0}, {600, 14.0}}, settings);
  EXPECT_NE(outside.error.find("depth-to-water reading"), std::string::npos) << outside.error;
  EXPECT_TRUE(outside.records.empty());
}

TEST(Compensation, CorrectsDriftLinearlyBetweenTwoReadings) {
  // The water column stays at 2.0 m while the hand readings go from 5.0 m to 5.2 m within an
  // hour: the offset moves from 7.0 to 7.2 and stays there afterwards.
  CompensationSettings settings = Standard();
  settings.depthToWater = {{3600, 5.2}, {0, 5.0}};
  const CompensationTable table = Compensate(Level({0, 1800, 3600, 5400}, {2.0, 2.0, 2.0, 2.0}),
                                             {{0, 14.0}, {5400, 14.0}}, settings);
  ASSERT_TRUE(table.error.empty()) << table.error;
  EXPECT_NEAR(*table.records[0].depthToWater, 5.0, 1e-9);
  EXPECT_NEAR(*table.records[1].depthToWater, 5.1, 1e-9);
  EXPECT_NEAR(*table.records[2].depthToWater, 5.2, 1e-9);
  EXPECT_NEAR(*table.records[3].depthToWater, 5.2, 1e-9);
  EXPECT_NEAR(*table.depthToWaterDrift, 0.2, 1e-9);
}

TEST(Compensation, RefusesRecordsThatDoNotOverlapAndWarnsOfImplausibleOnes) {
  const CompensationTable apart = Compensate(Level({0, 60}, {1, 1}), {{120, 14.0}}, Standard());
  EXPECT_EQ(apart.error, "the level and barometric records do not overlap in time");
  EXPECT_TRUE(apart.records.empty());

  // A "barometer" of 20 psi (a level logger chosen by mistake) leaves a negative water column.
  const CompensationTable wrong = Compensate(Level({0}, {1.0}), {{0, 20.0}}, Standard());
  ASSERT_EQ(wrong.warnings.size(), 2u);
  EXPECT_NE(wrong.warnings[0].find("outside 10 to 17 psi"), std::string::npos);
  EXPECT_NE(wrong.warnings[1].find("negative water column"), std::string::npos);
  EXPECT_LT(*wrong.records[0].waterColumn, 0);
}

}  // namespace
}  // namespace pelcon
