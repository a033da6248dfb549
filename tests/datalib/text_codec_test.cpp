#include "datalib/windows_1252.hpp"

#include <gtest/gtest.h>

namespace pelcon {
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

TEST(Windows1252, Utf8FileNamesBecomeTheCodePageWithQuestionMarksForTheRest) {
  // u-umlaut FC, copyright A9, euro 80, micro B5; omega and two CJK characters have no byte.
  EXPECT_EQ(Utf8ToWindows1252("M\xC3\xBCller \xC2\xA9\xE2\x82\xAC \xC2\xB5S.bin.csv"),
            "M\xFCller \xA9\x80 \xB5S.bin.csv");
  EXPECT_EQ(Utf8ToWindows1252("\xCE\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"), "? ?? ?");
  // Bytes that are not well-formed UTF-8 (a Latin-1 name, an overlong form, a surrogate, a cut
  // sequence) are one "?" each.
  EXPECT_EQ(Utf8ToWindows1252("M\xFCller"), "M?ller");
  EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF\xED\xA0\x80x\xC3"), "?????x?");
}

}  // namespace
}  // namespace pelcon
