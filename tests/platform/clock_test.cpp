#include "platform/clock.hpp"

#include <gtest/gtest.h>

#include "tests/platform/scoped_environment.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::ScopedEnvironment;

TEST(Clock, OverrideGivesTheDateWithItsDayOfWeek) {
  // 20 March 2009 was a Friday (5); 29 February 2000 a Tuesday (2).
  {
    ScopedEnvironment now("PELCON_NOW", "2009-03-20 10:05:07");
    const DateTimeRecord t = LocalNow();
    EXPECT_EQ(t.year, 2009);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 20);
    EXPECT_EQ(t.dayOfWeek, 5);
    EXPECT_EQ(t.hour, 10);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 7);
    EXPECT_EQ(t.millisecond, 0);
  }
  {
    ScopedEnvironment now("PELCON_NOW", "2000-02-29 23:59:59");
    EXPECT_EQ(LocalNow().dayOfWeek, 2);
  }
}

TEST(Clock, MalformedOverrideFallsBackToTheSystemClock) {
  for (const char* text : {"2009-13-20 10:00:00", "2009-03-20 10:00", "2009-03-20 10:00:00x"}) {
    ScopedEnvironment now("PELCON_NOW", text);
    EXPECT_GE(LocalNow().year, 2024) << text;
  }
}

}  // namespace
}  // namespace pelcon::platform
