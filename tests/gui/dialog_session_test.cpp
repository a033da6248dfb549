#include "ui/dialog_session.hpp"

#include <gtest/gtest.h>

#include "component/template_dialogs.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/ui/scoped_environment.hpp"
#include "ui/qt/qt_template_dialogs.hpp"

namespace pelcon::ui {
namespace {

using testing::ScopedEnvironment;

TEST(DialogSession, WithoutADisplaySaysWhyAndIsNotReady) {
  ScopedEnvironment display("DISPLAY", std::nullopt);
  ScopedEnvironment wayland("WAYLAND_DISPLAY", std::nullopt);
  ScopedEnvironment platform("QT_QPA_PLATFORM", std::nullopt);
  testing::NoticeLog notices;
  DialogSession session;
  EXPECT_FALSE(session.Ready());
  ASSERT_EQ(notices.Count(), 1u);
  EXPECT_EQ(notices.Entries()[0].icon, platform::NoticeIcon::kStop);
  EXPECT_EQ(InstalledTemplateDialogs(), nullptr);
}

TEST(DialogSession, UsesTheRunningApplicationAndInstallsTheDialogsWhileItLives) {
  QCoreApplication* running = QCoreApplication::instance();
  {
    DialogSession session;
    ASSERT_TRUE(session.Ready());
    EXPECT_EQ(QCoreApplication::instance(), running);
    EXPECT_NE(dynamic_cast<QtTemplateDialogs*>(InstalledTemplateDialogs()), nullptr);
    {
      DialogSession inner;
      EXPECT_TRUE(inner.Ready());
    }
    EXPECT_NE(InstalledTemplateDialogs(), nullptr);
  }
  EXPECT_EQ(InstalledTemplateDialogs(), nullptr);
  EXPECT_EQ(QCoreApplication::instance(), running);
}

}  // namespace
}  // namespace pelcon::ui
