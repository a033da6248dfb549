#include "ui/qt/batch_dialog.hpp"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <atomic>
#include <thread>

#include "export/settings.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/scoped_registry.hpp"
#include "ui/qt/about_dialog.hpp"
#include "ui/qt/qt_template_dialogs.hpp"

namespace pelcon::ui {
namespace {

using testing::Child;
using testing::NoticeLog;
using testing::WaitUntil;
using Entry = NoticeLog::Entry;
using namespace std::chrono_literals;

constexpr platform::NoticeIcon kInformation = platform::NoticeIcon::kInformation;

// A converter that stays in its first file until cancelled, as the driver stays in a long file.
class BlockingConverter {
 public:
  ResultCode operator()(const std::string& path, std::string&, ProgressSink*,
                        const CancelFlag* cancel) {
    files.push_back(path);
    entered = true;
    while (!cancel->IsSet()) std::this_thread::sleep_for(1ms);
    return kResultOk;
  }
  std::vector<std::string> files;  // read after the run
  std::atomic<bool> entered{false};
};

class BatchDialogTest : public ::testing::Test {
 protected:
  void Click(const char* name) {
    QTest::mouseClick(&Child<QPushButton>(*dialog_, name), Qt::LeftButton);
  }
  QPushButton& Button(const char* name) { return Child<QPushButton>(*dialog_, name); }
  void Open(LogFileConverter converter) {
    dialog_ = std::make_unique<BatchDialog>(std::move(converter));
    dialog_->show();
  }
  // Starts converting two files with a converter that stays in the first until cancelled.
  void StartBlockedRun(BlockingConverter& converter) {
    WriteDefaultTemplatePath("/srv/templates/Level.bft");
    Open(std::ref(converter));
    dialog_->AddFiles(std::vector<std::string>{"/d/1.bin", "/d/2.bin"});
    Click("convertButton");
    ASSERT_TRUE(dialog_->Running());
    ASSERT_TRUE(WaitUntil([&] { return converter.entered.load(); }));
  }
  // Waits for the completion message: the timer looks once a second.
  std::vector<Entry> Finished() {
    EXPECT_TRUE(WaitUntil([&] { return notices_.Count() > 0; }));
    return notices_.Entries();
  }

  testing::ScratchDirectory scratch_;
  testing::ScopedRegistry registry_{scratch_};
  NoticeLog notices_;
  std::unique_ptr<BatchDialog> dialog_;
};

ResultCode Succeed(const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
  return kResultOk;
}

TEST_F(BatchDialogTest, OpensWithTheStoredTemplateAndItsTexts) {
  WriteDefaultTemplatePath("/srv/templates/Level Run.bft");
  dialog_ = std::make_unique<BatchDialog>(Succeed);
  // Before it is shown: once shown, the button with the focus acts as the default one.
  EXPECT_TRUE(Button("convertButton").isDefault());
  EXPECT_EQ(dialog_->windowTitle(), "Tarvel Pelcon");
  EXPECT_EQ(Child<QLineEdit>(*dialog_, "templateEdit").text(), "Level Run.bft");
  EXPECT_TRUE(Child<QLineEdit>(*dialog_, "templateEdit").isReadOnly());
  EXPECT_EQ(Child<QLabel>(*dialog_, "versionLabel").text(), "1.3.0.2");
  EXPECT_EQ(Child<QLabel>(*dialog_, "versionCaption").text(), "Version:");
  EXPECT_EQ(Child<QLabel>(*dialog_, "filesLabel").text(), "Files To Convert");
  for (const char* bar : {"fileProgress", "overallProgress"}) {
    EXPECT_EQ(Child<QProgressBar>(*dialog_, bar).maximum(), 100);
    EXPECT_EQ(Child<QProgressBar>(*dialog_, bar).value(), 0);
  }
  EXPECT_EQ(Button("convertButton").text(), "Convert");
  EXPECT_EQ(Child<QListWidget>(*dialog_, "filesList").selectionMode(),
            QAbstractItemView::ExtendedSelection);
}

TEST_F(BatchDialogTest, EnterNeverEndsTheDialog) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  std::atomic<int> calls{0};
  Open([&](const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
    ++calls;
    return kResultOk;
  });
  dialog_->AddFiles(std::vector<std::string>{"/d/a.bin", "/d/b.bin"});
  Click("removeButton");  // a first action, with nothing selected
  EXPECT_FALSE(Button("closeButton").isDefault());
  EXPECT_FALSE(Button("closeButton").autoDefault());

  // Enter on the list presses Convert, the default button.
  auto& list = Child<QListWidget>(*dialog_, "filesList");
  list.item(0)->setSelected(true);
  QTest::keyClick(&list, Qt::Key_Return);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(list.count(), 2);
  ASSERT_TRUE(WaitUntil([&] { return notices_.Count() > 0; }));
  EXPECT_EQ(calls.load(), 2);

  // Not even on the Close button itself.
  QTest::keyClick(&Button("closeButton"), Qt::Key_Return);
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(BatchDialogTest, ConvertWithoutFilesSaysSoAndStartsNothing) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  int calls = 0;
  Open([&](const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
    ++calls;
    return kResultOk;
  });
  Click("convertButton");
  EXPECT_FALSE(dialog_->Running());
  EXPECT_EQ(notices_.Entries(),
            std::vector<Entry>({{"No files selected", platform::NoticeIcon::kExclamation}}));
  EXPECT_EQ(calls, 0);
}

TEST_F(BatchDialogTest, ConvertWithoutATemplateSaysSo) {
  Open(Succeed);
  dialog_->AddFiles(std::vector<std::string>{"/d/a.bin"});
  Click("convertButton");
  EXPECT_FALSE(dialog_->Running());
  EXPECT_EQ(
      notices_.Entries(),
      std::vector<Entry>({{"No template file selected", platform::NoticeIcon::kExclamation}}));
}

TEST_F(BatchDialogTest, ListShowsFileNamesAndRemoveDeletesTheSelected) {
  Open(Succeed);
  dialog_->AddFiles(
      std::vector<std::string>{"/d/one.bin", "/d/skip.txt", "/e/two.BIN", "/d/3.bin"});
  auto& list = Child<QListWidget>(*dialog_, "filesList");
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.item(1)->text(), "two.BIN");
  list.item(0)->setSelected(true);
  list.item(2)->setSelected(true);
  Click("removeButton");
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), "two.BIN");
}

TEST_F(BatchDialogTest, DuringARunOnlyCancelWorksAndClosingIsRefused) {
  BlockingConverter converter;
  ASSERT_NO_FATAL_FAILURE(StartBlockedRun(converter));
  EXPECT_EQ(Button("convertButton").text(), "Cancel");
  EXPECT_TRUE(Button("convertButton").isEnabled());
  for (const char* name :
       {"newButton", "editButton", "openButton", "addButton", "removeButton", "closeButton"}) {
    EXPECT_FALSE(Button(name).isEnabled()) << name;
  }
  EXPECT_FALSE(Child<QListWidget>(*dialog_, "filesList").isEnabled());
  EXPECT_EQ(Child<QLineEdit>(*dialog_, "statusEdit").text(), "1.bin");

  dialog_->close();
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(dialog_->isVisible());

  Click("convertButton");  // now Cancel
  // The first file gave no progress, so nothing tells it stopped short: it counts as converted.
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion cancelled\n1 of 2 files converted", kInformation}}));
  EXPECT_EQ(converter.files, std::vector<std::string>{"/d/1.bin"});
  EXPECT_FALSE(dialog_->Running());
  EXPECT_EQ(Button("convertButton").text(), "Convert");
  EXPECT_TRUE(Button("closeButton").isEnabled());
  EXPECT_EQ(Child<QLineEdit>(*dialog_, "statusEdit").text(), "");
  dialog_->close();
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(BatchDialogTest, PreviewWaitsUntilTheRunHasEnded) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  BlockingConverter converter;
  Open(std::ref(converter));
  auto* preview = dialog_->findChild<QPushButton*>("previewButton");
  if (preview == nullptr) GTEST_SKIP() << "built without plots";
  dialog_->AddFiles(std::vector<std::string>{"/d/1.bin", "/d/2.bin"});
  Child<QListWidget>(*dialog_, "filesList").item(0)->setSelected(true);
  EXPECT_TRUE(preview->isEnabled());
  Click("convertButton");
  ASSERT_TRUE(WaitUntil([&] { return converter.entered.load(); }));
  EXPECT_FALSE(preview->isEnabled());
  Click("convertButton");  // now Cancel
  Finished();
  EXPECT_EQ(preview->isEnabled(),
            Child<QListWidget>(*dialog_, "filesList").selectedItems().size() == 1);
}

TEST_F(BatchDialogTest, ACompleteRunSaysSoAndResetsTheBars) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  std::vector<std::string> templates;
  Open([&](const std::string&, std::string& templatePath, ProgressSink* progress,
           const CancelFlag*) {
    templates.push_back(templatePath);
    progress->SetRange(0, 4);
    progress->SetPosition(4);
    progress->Redraw();
    return kResultOk;
  });
  dialog_->AddFiles(std::vector<std::string>{"/d/1.bin", "/d/2.bin", "/d/3.bin"});
  Click("convertButton");
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion complete\n3 of 3 files converted", kInformation}}));
  EXPECT_EQ(templates, std::vector<std::string>(3, "/srv/templates/Level.bft"));
  EXPECT_EQ(Child<QProgressBar>(*dialog_, "fileProgress").value(), 0);
  EXPECT_EQ(Child<QProgressBar>(*dialog_, "overallProgress").value(), 0);
}

TEST_F(BatchDialogTest, AFailedFileOutranksACancel) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  std::atomic<bool> inSecond{false};
  Open([&](const std::string& path, std::string&, ProgressSink*, const CancelFlag* cancel) {
    if (path == "/d/1.bin") return kResultOpenFailed;
    inSecond = true;
    while (!cancel->IsSet()) std::this_thread::sleep_for(1ms);
    return kResultOk;
  });
  dialog_->AddFiles(std::vector<std::string>{"/d/1.bin", "/d/2.bin", "/d/3.bin"});
  Click("convertButton");
  ASSERT_TRUE(WaitUntil([&] { return inSecond.load(); }));
  Click("convertButton");
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion had errors\n1 of 3 files converted", kInformation}}));
}

// As a file manager drops: text/uri-list of local files; only log files are taken, the rest of
// the drop is left out silently, as Add does.
TEST_F(BatchDialogTest, DroppedLogFilesJoinTheListWithTheirFullPathAsTooltip) {
  Open(Succeed);
  auto& list = Child<QListWidget>(*dialog_, "filesList");
  const auto drag = [&](const QList<QUrl>& urls, QEvent::Type type) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint inside = list.viewport()->rect().center();
    std::unique_ptr<QDropEvent> event;
    if (type == QEvent::DragEnter) {
      event = std::make_unique<QDragEnterEvent>(inside, Qt::CopyAction, &data, Qt::LeftButton,
                                                Qt::NoModifier);
    } else {
      event = std::make_unique<QDropEvent>(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton,
                                           Qt::NoModifier);
    }
    QApplication::sendEvent(list.viewport(), event.get());
    return event->isAccepted();
  };
  EXPECT_FALSE(drag({QUrl::fromLocalFile("/d/notes.txt")}, QEvent::DragEnter));
  EXPECT_FALSE(drag({QUrl("https://example.org/w.bin")}, QEvent::DragEnter));
  const QList<QUrl> dropped{QUrl::fromLocalFile("/d/Well 1.bin"), QUrl::fromLocalFile("/d/a.txt"),
                            QUrl::fromLocalFile("/e/river.BIN")};
  EXPECT_TRUE(drag(dropped, QEvent::DragEnter));
  EXPECT_TRUE(drag(dropped, QEvent::Drop));
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(0)->text(), "Well 1.bin");
  EXPECT_EQ(list.item(0)->toolTip(), "/d/Well 1.bin");
  EXPECT_EQ(list.item(1)->text(), "river.BIN");
  EXPECT_EQ(list.item(1)->toolTip(), "/e/river.BIN");
}

// The controls at their places in dialog units, as the dialog's layout table gives them.
struct Placed {
  const char* name;
  int x, y, width, height;
};
constexpr Placed kLaidOut[] = {
    {"templateLabel", 7, 8, 75, 8},       {"templateEdit", 7, 17, 236, 12},
    {"newButton", 7, 32, 50, 14},         {"editButton", 64, 32, 50, 14},
    {"openButton", 193, 32, 50, 14},      {"filesLabel", 7, 57, 88, 8},
    {"filesList", 7, 68, 236, 117},       {"addButton", 7, 188, 50, 14},
    {"removeButton", 61, 188, 50, 14},    {"convertButton", 190, 188, 50, 14},
    {"statusEdit", 7, 207, 236, 12},      {"fileProgress", 7, 223, 236, 6},
    {"overallProgress", 7, 228, 236, 14}, {"versionCaption", 7, 250, 27, 8},
    {"versionLabel", 40, 250, 35, 8},     {"closeButton", 193, 244, 50, 14}};

// Opens at 250 by 266 units with every control at its place; the end of a run adds the results
// list in a strip below (7,266 236x68, the dialog 72 units taller) and moves nothing, once.
TEST_F(BatchDialogTest, OpensAsLaidOutAndShowsTheResultsBelowWithoutMovingAControl) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  Open(Succeed);
  const testing::UnitsInPixels units(dialog_->font());
  const auto expectLaidOut = [&](const char* when) {
    for (const Placed& control : kLaidOut) {
      EXPECT_EQ(Child<QWidget>(*dialog_, control.name).geometry(),
                units.Rect(control.x, control.y, control.width, control.height))
          << control.name << " " << when;
    }
  };
  auto& results = Child<QWidget>(*dialog_, "resultsList");
  EXPECT_EQ(dialog_->size(), units.Size(250, 266));
  EXPECT_EQ(dialog_->minimumSize(), units.Size(250, 266));
  EXPECT_FALSE(results.isVisible());
  expectLaidOut("on opening");

  dialog_->AddFiles(std::vector<std::string>{"/d/1.bin"});
  for (int run = 1; run <= 2; ++run) {
    const size_t before = notices_.Count();
    Click("convertButton");
    ASSERT_TRUE(WaitUntil([&] { return notices_.Count() > before; })) << "run " << run;
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.geometry(), units.Rect(7, 266, 236, 68)) << "run " << run;
    EXPECT_EQ(dialog_->size(), units.Size(250, 338)) << "run " << run;
    EXPECT_EQ(dialog_->minimumSize(), units.Size(250, 338)) << "run " << run;
    expectLaidOut("after a run");
  }
}

TEST_F(BatchDialogTest, GrowsItsListsWhenResizedAndNeverShrinksBelowItsLayout) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  Open(Succeed);
  const testing::UnitsInPixels units(dialog_->font());
  auto& files = Child<QWidget>(*dialog_, "filesList");
  auto& results = Child<QWidget>(*dialog_, "resultsList");
  const QRect filesLaidOut = units.Rect(7, 68, 236, 117);
  const QRect resultsLaidOut = units.Rect(7, 266, 236, 68);
  const QRect closeLaidOut = units.Rect(193, 244, 50, 14);
  const QRect newLaidOut = units.Rect(7, 32, 50, 14);

  // Alone, the files list takes all the extra room; Close keeps its distance to the corner.
  dialog_->resize(dialog_->size() + QSize(100, 60));
  EXPECT_EQ(files.geometry(), filesLaidOut.adjusted(0, 0, 100, 60));
  EXPECT_EQ(Button("closeButton").geometry(), closeLaidOut.translated(100, 60));
  EXPECT_EQ(Button("newButton").geometry(), newLaidOut);

  // The results strip adds to the enlarged window; the two lists then share the extra height and
  // the controls between them follow the files list.
  dialog_->AddFiles(std::vector<std::string>{"/d/1.bin"});
  Click("convertButton");
  ASSERT_EQ(Finished().size(), 1u);
  EXPECT_EQ(dialog_->size(), units.Size(250, 338) + QSize(100, 60));
  EXPECT_EQ(files.geometry(), filesLaidOut.adjusted(0, 0, 100, 30));
  EXPECT_EQ(results.geometry(), resultsLaidOut.adjusted(0, 30, 100, 60));
  EXPECT_EQ(Button("closeButton").geometry(), closeLaidOut.translated(100, 30));
  EXPECT_EQ(Button("newButton").geometry(), newLaidOut);

  // Back at the minimum, everything is at its laid-out place again.
  dialog_->resize(dialog_->minimumSize());
  EXPECT_EQ(files.geometry(), filesLaidOut);
  EXPECT_EQ(results.geometry(), resultsLaidOut);
  EXPECT_EQ(Button("closeButton").geometry(), closeLaidOut);
}

TEST_F(BatchDialogTest, ClosingStoresTheTemplateAndTheDataFolder) {
  WriteDefaultTemplatePath("/srv/templates/Level.bft");
  Open(Succeed);
  dialog_->AddFiles(std::vector<std::string>{"/field/2026/well.bin"});
  Click("closeButton");
  EXPECT_EQ(ReadDataPath(), "");  // not before the dialog goes
  dialog_.reset();
  EXPECT_EQ(ReadDefaultTemplatePath(), "/srv/templates/Level.bft");
  EXPECT_EQ(ReadDataPath(), "/field/2026/");
  const std::string registry = testing::ReadBytes(registry_.Path());
  EXPECT_NE(registry.find("\"Template PathFile\"=\"/srv/templates/Level.bft\""), std::string::npos)
      << registry;
}

TEST_F(BatchDialogTest, DestroyedDuringARunCancelsAndWaitsForTheWorker) {
  BlockingConverter converter;
  ASSERT_NO_FATAL_FAILURE(StartBlockedRun(converter));
  dialog_.reset();
  EXPECT_EQ(converter.files, std::vector<std::string>{"/d/1.bin"});
  EXPECT_EQ(ReadDefaultTemplatePath(), "/srv/templates/Level.bft");
}

TEST_F(BatchDialogTest, AddUsesTheLogFileDialog) {
  const std::string folder = scratch_.File("field");
  std::filesystem::create_directory(folder);
  testing::WriteBytes(folder + "/Well 3.BIN", "x");
  WriteDataPath(folder);
  Open(Succeed);
  testing::WhenModal<QFileDialog>([&](QFileDialog& files) {
    EXPECT_EQ(files.windowTitle(), "Add Binary Files To Convert");
    EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(files.defaultSuffix(), "bin");
    EXPECT_EQ(files.nameFilters(), QStringList{"Bin Files (*.bin)"});
    EXPECT_EQ(files.directory().absolutePath(), QString::fromStdString(folder));
    EXPECT_EQ(files.viewMode(), QFileDialog::Detail);
    files.resize(1000, 700);
    testing::Choose(files, folder + "/Well 3.BIN");
  });
  Click("addButton");
  auto& list = Child<QListWidget>(*dialog_, "filesList");
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), "Well 3.BIN");
  // The next file dialog opens at the size this one was left at.
  EXPECT_EQ(ReadFileDialogSize(), "1000x700");
  testing::WhenModal<QFileDialog>([&](QFileDialog& files) {
    EXPECT_EQ(files.size(), QSize(1000, 700));
    files.reject();
  });
  Click("addButton");
}

TEST_F(BatchDialogTest, OpenChoosesATemplateFile) {
  QtTemplateDialogs dialogs;
  ScopedTemplateDialogs installation(dialogs);
  const std::string chosen = scratch_.File("Quality.bft");
  testing::WriteBytes(chosen, ",\n-----\npH\n");
  Open(Succeed);
  testing::WhenModal<QFileDialog>([&](QFileDialog& files) {
    EXPECT_EQ(files.windowTitle(), "Open Template File");
    EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(files.defaultSuffix(), "bft");
    EXPECT_EQ(files.nameFilters(), QStringList{"Template Files (*.bft)"});
    testing::Choose(files, chosen);
  });
  Click("openButton");
  EXPECT_EQ(Child<QLineEdit>(*dialog_, "templateEdit").text(), "Quality.bft");
  dialog_.reset();
  EXPECT_EQ(ReadDefaultTemplatePath(), chosen);
}

TEST_F(BatchDialogTest, AboutShowsTheVersion) {
  Open(Succeed);
  bool shown = false;
  testing::WhenModal<AboutDialog>([&](AboutDialog& about) {
    shown = true;
    EXPECT_EQ(about.windowTitle(), "About Pelcon");
    EXPECT_EQ(Child<QLabel>(about, "versionCaption").text(), "Version:");
    EXPECT_EQ(Child<QLabel>(about, "versionLabel").text(), "1.3.0.2");
    EXPECT_FALSE(Child<QLabel>(about, "iconLabel").pixmap().isNull());
    QTest::keyClick(&about, Qt::Key_Escape);
  });
  Click("aboutButton");
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace pelcon::ui
