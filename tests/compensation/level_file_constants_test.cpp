// The density and gravity a level file's own Level/Depth columns use, as compensation's defaults.

#include "compensation/level_file_constants.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "tests/support/log_file_builder.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon {
namespace {

LevelFileConstants ConstantsOf(const test_support::LogFileDescription& description) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("pelcon-constants-" + std::to_string(std::random_device{}()) + ".bin");
  EXPECT_TRUE(test_support::WriteFile(path.string(), test_support::Build(description)));
  LogFileReader reader;
  EXPECT_NE(reader.Open(path.string()), 0);
  const LevelFileConstants constants = LevelFileConstantsOf(reader.Log());
  std::filesystem::remove(path);
  return constants;
}

TEST(LevelFileConstants, AreTheDensitySettingAndTheGravityOfTheSite) {
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.site.density = 1.02f;
  d.site.latitude = 45;
  d.site.elevation = 100.0f;
  const LevelFileConstants constants = ConstantsOf(d);
  EXPECT_NEAR(constants.densityKgPerM3, 1020, 1e-3);  // 1.02 g/cm3 as a 32-bit float
  // 9.780356 x (1 + 0.0052885 x sin2(45) - 0.0000059 x sin2(90)) - 0.003086 x 0.1
  EXPECT_NEAR(constants.gravity, 9.780356 * (1 + 0.0052885 * 0.5 - 0.0000059) - 0.0003086, 1e-6);

  // Without a density the columns take water of the specific gravity under standard gravity.
  d.site.density = 0.0f;
  d.site.specificGravity = 1.5f;
  const LevelFileConstants fromSpecificGravity = ConstantsOf(d);
  EXPECT_NEAR(fromSpecificGravity.densityKgPerM3, 1500, 1e-9);
  EXPECT_DOUBLE_EQ(fromSpecificGravity.gravity, 9.80665);
}

}  // namespace
}  // namespace pelcon
