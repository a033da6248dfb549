#include <gtest/gtest.h>

#include <limits>

#include "values/derived_value_calculations.hpp"

// Levels below the surface and the top of the casing for each way a file states its water: by
// density and gravity, by specific gravity, or by neither; against the reference read now or the
// one taken at the start of the test.

namespace pelcon {
namespace {

// 1 psi of water at density 1 and standard gravity, in feet.
const double kFeetPerPsi = 6.894757 / 9.80665 * 3.280839895013123;

LevelReferences Site() {
  LevelReferences r;
  r.psi = 10.0;
  r.nowReference = 5.0;
  r.userReference = 2.0;
  r.whenToRead = 0;
  r.gravity = 9.80665;
  r.specificGravity = 2.0;
  r.density = 0.0;
  r.startOfTestReference = 3.5;
  return r;
}

TEST(LevelReferencesTest, SpecificGravityScalesTheLevelAndTheNowReferenceOnly) {
  const LevelReferences r = Site();
  // L = 10 x 2.30667 / 2 = 11.53335, N = 5 / 2 x 2.30667 = 5.766675, U = 2 x 2.30667 = 4.61334.
  EXPECT_NEAR(DepthBelowSurface(r), 4.61334 - (5.766675 - 11.53335), 1e-12);
  EXPECT_NEAR(DepthBelowTopOfCasing(r), 5.766675 - 11.53335 + 4.61334, 1e-12);
  EXPECT_NEAR(DepthBelowSurface(r), 10.380015, 1e-12);
}

TEST(LevelReferencesTest, NoSpecificGravityLeavesFeetOfWaterAtPsiTimesTheFactor) {
  LevelReferences r = Site();
  r.specificGravity = 0.0;
  // L = 23.0667, N = 11.53335, U = 4.61334.
  EXPECT_NEAR(DepthBelowSurface(r), 16.14669, 1e-12);
  EXPECT_NEAR(DepthBelowTopOfCasing(r), -6.92001, 1e-12);
  r.specificGravity = -1.0;
  EXPECT_NEAR(DepthBelowSurface(r), 16.14669, 1e-12);
}

TEST(LevelReferencesTest, DensityAndGravityConvertEveryPressure) {
  LevelReferences r = Site();
  r.density = 1.0;
  // The specific gravity plays no part: U - (N - L) = (2 - 5 + 10) psi, N - L + U = (5 - 10 + 2).
  EXPECT_NEAR(DepthBelowSurface(r), 7 * kFeetPerPsi, 1e-12);
  EXPECT_NEAR(DepthBelowTopOfCasing(r), -3 * kFeetPerPsi, 1e-12);

  // Denser water stands lower for the same pressure.
  r.density = 2.0;
  EXPECT_NEAR(DepthBelowSurface(r), 3.5 * kFeetPerPsi, 1e-12);
}

TEST(LevelReferencesTest, TheStartOfTestReferenceIsTakenAsItIs) {
  LevelReferences r = Site();
  r.density = 1.0;
  r.whenToRead = 1;
  // c = 3.5 unconverted: U - (c - L) and c - L + U with L = 10 and U = 2 psi in feet.
  EXPECT_NEAR(DepthBelowSurface(r), 12 * kFeetPerPsi - 3.5, 1e-12);
  EXPECT_NEAR(DepthBelowTopOfCasing(r), 3.5 - 8 * kFeetPerPsi, 1e-12);

  // A flag the file did not give is the "no value" integer, which is set.
  r.whenToRead = std::numeric_limits<std::int32_t>::max();
  EXPECT_NEAR(DepthBelowSurface(r), 12 * kFeetPerPsi - 3.5, 1e-12);
}

}  // namespace
}  // namespace pelcon
