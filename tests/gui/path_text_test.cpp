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

// A message shows UTF-8 as such and anything else as the Windows-1252 of a display name, down to
// a sequence cut short at the very end.
TEST(MessageText, Utf8OrElseWindows1252) {
  EXPECT_EQ(FromMessageText("/d/\xC2\xB5 well.bin"), QString::fromUcs4(U"/d/\u00B5 well.bin"));
  EXPECT_EQ(FromMessageText("(\xB5S) \x80"), QString::fromUcs4(U"(\u00B5S) \u20AC"));
  EXPECT_EQ(FromMessageText("/d/well\xC3"), QString::fromUcs4(U"/d/well\u00C3"));
}

TEST(TemplateText, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(ToTemplateText(QString::fromUcs4(U"\u00B5S \u20AC \u03A9 \U0001F4A7")),
            "\xB5S \x80 ? ?");
  // A lone surrogate is no character.
  EXPECT_EQ(ToTemplateText(QString(QChar(0xD800)) + QChar('x')), "?x");
  EXPECT_EQ(FromTemplateText("\xB5S \x80 \x81"), QString::fromUcs4(U"\u00B5S \u20AC \u0081"));
}

}  // namespace
}  // namespace pelcon::ui
