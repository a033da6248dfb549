#include "ui/windows_1252.hpp"

#include <gtest/gtest.h>

namespace pelcon::ui {
namespace {

TEST(Windows1252, DecodesTheMicroSignAndTheEuro) {
  EXPECT_EQ(Windows1252ToUnicode(0xB5), U'\u00B5');
  EXPECT_EQ(Windows1252ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(Windows1252ToUnicode(0x9F), U'\u0178');
  EXPECT_EQ(Windows1252ToUnicode('A'), U'A');
  EXPECT_EQ(Windows1252ToUnicode(0x81), char32_t{0x81});  // undefined in the code page
}

TEST(Windows1252, EveryByteRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(UnicodeToWindows1252(Windows1252ToUnicode(static_cast<unsigned char>(byte))), byte);
  }
}

TEST(Windows1252, HasNoByteForCharactersOutsideTheCodePage) {
  EXPECT_EQ(UnicodeToWindows1252(U'\u03A9'), -1);  // Greek capital omega
  EXPECT_EQ(UnicodeToWindows1252(U'\u0080'), -1);  // its slot holds the euro sign
  EXPECT_EQ(UnicodeToWindows1252(U'\U0001F600'), -1);
}

}  // namespace
}  // namespace pelcon::ui
