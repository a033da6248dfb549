#include "ui/window_size.hpp"

#include <gtest/gtest.h>

namespace pelcon::ui {
namespace {

TEST(WindowSize, ReadsBackWhatItWritesAndRefusesAnythingElse) {
  EXPECT_EQ(WindowSizeText({900, 560}), "900x560");
  EXPECT_EQ(ParseWindowSize("900x560"), (WindowSize{900, 560}));
  for (const char* bad : {"", "900", "x560", "900x", "0x560", "-900x560", "900x560x2", "9OOx560",
                          " 900x560", "900 x 560", "99999999999x1"}) {
    EXPECT_EQ(ParseWindowSize(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace pelcon::ui
