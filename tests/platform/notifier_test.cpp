#include "platform/notifier.hpp"

#include <gtest/gtest.h>

#include "tests/platform/notice_recorder.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::NoticeRecorder;

TEST(DefaultNoticeSink, WritesOneCaptionedLineOnStandardError) {
#ifdef _WIN32
  GTEST_SKIP()
      << "Linux only: on Windows the default sink is a message box, which waits for a click";
#endif
  ::testing::internal::CaptureStderr();
  ShowNotice("Unable to load file\n/data/well.bin", NoticeIcon::kStop);
  ShowNotice("Usage", NoticeIcon::kNone, "Pelcon");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Tarvel Pelcon: Unable to load file\n/data/well.bin\nPelcon: Usage\n");
}

TEST(DefaultNoticeSink, AnswersQuestionsWithTheDefault) {
#ifdef _WIN32
  GTEST_SKIP()
      << "Linux only: on Windows the default sink is a message box, which waits for a click";
#endif
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(AskYesNo("Replace?", true));
  EXPECT_FALSE(AskYesNo("Replace?", false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Tarvel Pelcon: Replace?\nTarvel Pelcon: Replace?\n");
}

TEST(NoticeSink, InstalledSinkReceivesNoticesUntilItsScopeEnds) {
  NoticeRecorder outer;
  {
    NoticeRecorder inner;
    inner.answer = false;
    ShowNotice("one", NoticeIcon::kInformation);
    EXPECT_FALSE(AskYesNo("two", true, NoticeIcon::kExclamation, "Pelcon"));
    ASSERT_EQ(inner.shown.size(), 2u);
    EXPECT_EQ(inner.shown[0].caption, "Tarvel Pelcon");
    EXPECT_EQ(inner.shown[0].text, "one");
    EXPECT_EQ(inner.shown[0].icon, NoticeIcon::kInformation);
    EXPECT_EQ(inner.shown[1].caption, "Pelcon");
    EXPECT_EQ(inner.shown[1].icon, NoticeIcon::kExclamation);
  }
  ShowNotice("three", NoticeIcon::kStop);
  ASSERT_EQ(outer.shown.size(), 1u);
  EXPECT_EQ(outer.shown[0].text, "three");
}

}  // namespace
}  // namespace pelcon::platform
