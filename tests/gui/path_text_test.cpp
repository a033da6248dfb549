#include <gtest/gtest.h>

#include <string>

#include "ui/qt/qt_text.hpp"

namespace pelcon::ui {
namespace {

// A file name is bytes; the dialogs must hand back the very bytes they were given, whether or not
// they are UTF-8.
TEST(PathText, EveryFileNameSurvivesTheDialogs) {
  for (const std::string name :
       {"/data/\xFF\xFE.bin", "/data/m\xC3\xBCnster/\xE2\x82\xAC \xF0\x9F\x92\xA7.bin",
        "/data/cut \xC3 \xE2\x82 \xED\xA0\x80 \xC0\xAF.bin"}) {
    EXPECT_EQ(ToPath(FromPath(name)), name);
  }
  // Valid UTF-8 shows as its characters: u with diaeresis, the euro sign, a droplet.
  EXPECT_EQ(FromPath("\xC3\xBC\xE2\x82\xAC\xF0\x9F\x92\xA7"),
            QString::fromUcs4(U"\u00fc\u20ac\U0001F4A7", 3));
  EXPECT_EQ(ToPath(QString::fromUcs4(U"\u00fc\u20ac\U0001F4A7", 3)),
            "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x92\xA7");
}

}  // namespace
}  // namespace pelcon::ui
