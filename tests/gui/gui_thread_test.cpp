#include <gtest/gtest.h>

#include <QMessageBox>
#include <atomic>
#include <thread>

#include "tests/gui/gui_test_support.hpp"
#include "ui/qt/message_box_sink.hpp"
#include "ui/qt/progress_bar_sink.hpp"

namespace pelcon::ui {
namespace {

// A notice from a worker appears as a message box on the application's thread, and the worker
// goes on only once the box is closed.
TEST(MessageBoxSink, ShowsAWorkersNoticeOnTheGuiThreadWhileTheWorkerWaits) {
  MessageBoxSink boxes;
  platform::ScopedNoticeSink installation(boxes);
  std::atomic<bool> returned{false};
  bool checked = false;
  testing::WhenModal<QMessageBox>([&](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Tarvel Pelcon");
    EXPECT_EQ(box.text(), QString::fromUtf8("Unable to load file\n/d/\u00B5 well.bin"));
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
    EXPECT_FALSE(returned.load());
    checked = true;
    box.accept();
  });
  std::thread worker([&] {
    platform::ShowNotice("Unable to load file\n/d/\xC2\xB5 well.bin", platform::NoticeIcon::kStop);
    returned = true;
  });
  EXPECT_TRUE(testing::WaitUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_TRUE(checked);
}

TEST(MessageBoxSink, ShowsTemplateBytesAsWindows1252AndMapsTheIcons) {
  MessageBoxSink boxes;
  platform::ScopedNoticeSink installation(boxes);
  testing::WhenModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), QString::fromUtf8("Conductivity (\u00B5S Actual)"));
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    box.accept();
  });
  platform::ShowNotice("Conductivity (\xB5S Actual)", platform::NoticeIcon::kInformation);
  testing::WhenModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    box.accept();
  });
  platform::ShowNotice("No files selected", platform::NoticeIcon::kNone);
}

TEST(ProgressBarSink, AWorkersCallsHaveReachedTheBarWhenTheyReturn) {
  QProgressBar bar;
  ProgressBarSink sink(bar);
  std::atomic<int> seenByWorker{-1};
  std::thread worker([&] {
    sink.SetRange(0, 250);
    sink.SetPosition(120);
    sink.Redraw();
    seenByWorker = bar.value();  // already applied: the call waited for the GUI thread
  });
  EXPECT_TRUE(testing::WaitUntil([&] { return seenByWorker.load() != -1; }));
  worker.join();
  EXPECT_EQ(seenByWorker.load(), 120);
  EXPECT_EQ(bar.maximum(), 250);
}

}  // namespace
}  // namespace pelcon::ui
