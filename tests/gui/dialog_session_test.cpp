#include "ui/dialog_session.hpp"

#include <gtest/gtest.h>

#include "component/template_dialogs.hpp"
#include "export/settings.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/scoped_environment.hpp"
#include "tests/ui/scoped_registry.hpp"
#include "ui/qt/batch_dialog.hpp"
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

TEST(RunBatchConversionDialog, RunsTheDialogModallyAndAnswersOkHoweverItEnds) {
  testing::ScratchDirectory scratch;
  testing::ScopedRegistry registry(scratch);
  WriteDataPath("/srv/data/");
  bool shown = false;
  testing::WhenModal<BatchDialog>([&](BatchDialog& dialog) {
    shown = true;
    dialog.AddFiles(std::vector<std::string>{"/srv/field/well.bin"});
    dialog.close();
  });
  EXPECT_EQ(RunBatchConversionDialog(), kResultOk);
  EXPECT_TRUE(shown);
  // Written as the dialog went.
  EXPECT_EQ(ReadDataPath(), "/srv/field/");
}

}  // namespace
}  // namespace pelcon::ui
