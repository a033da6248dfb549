#include "platform/notifier.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "tests/platform/notice_recorder.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::NoticeRecorder;

// The program's name starts every line on stderr.
std::string Line(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return std::string(program_invocation_short_name) + ": " + text + "\n";
#endif
}

TEST(DefaultNoticeSink, WritesOneLineNamedAfterTheProgramOnStandardError) {
#ifdef _WIN32
  GTEST_SKIP()
      << "Linux only: on Windows the default sink is a message box, which waits for a click";
#endif
  ::testing::internal::CaptureStderr();
  ShowNotice("Unable to load file\n/data/well.bin", NoticeIcon::kStop);
  ShowNotice("Usage", NoticeIcon::kNone, "Pelcon");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            Line("Unable to load file /data/well.bin") + Line("Usage"));
}

TEST(DefaultNoticeSink, AnswersQuestionsWithTheDefault) {
#ifdef _WIN32
  GTEST_SKIP()
      << "Linux only: on Windows the default sink is a message box, which waits for a click";
#endif
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(AskYesNo("Replace?", true));
  EXPECT_FALSE(AskYesNo("Replace?", false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), Line("Replace?") + Line("Replace?"));
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
