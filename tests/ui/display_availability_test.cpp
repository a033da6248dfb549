#include "ui/display_availability.hpp"

#include <gtest/gtest.h>

#include "tests/ui/scoped_environment.hpp"

namespace pelcon::ui {
namespace {

using testing::ScopedEnvironment;

class DisplayAvailability : public ::testing::Test {
 protected:
  ScopedEnvironment display_{"DISPLAY", std::nullopt};
  ScopedEnvironment wayland_{"WAYLAND_DISPLAY", std::nullopt};
  ScopedEnvironment platform_{"QT_QPA_PLATFORM", std::nullopt};
};

TEST_F(DisplayAvailability, NeedsAWindowSystemOrAToolkitPlatform) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: Windows always has its window system";
#endif
  EXPECT_FALSE(DisplayAvailable());
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    ScopedEnvironment set(name, "x");
    EXPECT_TRUE(DisplayAvailable()) << name;
  }
}

TEST_F(DisplayAvailability, AnEmptyVariableNamesNothing) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: Windows always has its window system";
#endif
  ScopedEnvironment empty("DISPLAY", "");
  EXPECT_FALSE(DisplayAvailable());
}

}  // namespace
}  // namespace pelcon::ui
