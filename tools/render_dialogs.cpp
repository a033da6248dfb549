// Draws the three dialogs offscreen into PNG files, for the documentation:
//   render_dialogs <folder> [<sample folder>]
// writes batch_dialog.png, column_selection_dialog.png and about_box.png there; with a sample
// folder also batch_dialog_results.png, the batch dialog after converting copies of the samples
// in a temporary folder with the sample level template. The settings come from a registry file of
// its own, so the user's are neither read nor changed.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "export/settings.hpp"
#include "ui/qt/about_dialog.hpp"
#include "ui/qt/batch_dialog.hpp"
#include "ui/qt/column_selection_dialog.hpp"

namespace {

bool Save(QWidget& dialog, const QDir& folder, const char* name) {
  dialog.show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!dialog.grab().save(path, "PNG")) {
    std::fprintf(stderr, "render_dialogs: cannot write %s\n", path.toLocal8Bit().constData());
    return false;
  }
  dialog.hide();
  return true;
}

// Converts copies of the samples in the batch dialog and draws it with its results list.
bool SaveResults(const QDir& samples, const QDir& folder) {
  QTemporaryDir work(QDir::temp().filePath(QStringLiteral("pelcon-samples-XXXXXX")));
  if (!work.isValid()) {
    std::fprintf(stderr, "render_dialogs: no temporary folder for the samples\n");
    return false;
  }
  std::vector<std::string> copies;
  for (const QString& name : samples.entryList({QStringLiteral("*.bin"), QStringLiteral("*.bft")},
                                               QDir::Files, QDir::Name)) {
    const QString copy = work.filePath(name);
    if (!QFile::copy(samples.filePath(name), copy)) {
      std::fprintf(stderr, "render_dialogs: cannot copy %s\n", name.toLocal8Bit().constData());
      return false;
    }
    if (name.endsWith(QStringLiteral(".bin"))) copies.push_back(copy.toStdString());
  }
  pelcon::WriteDefaultTemplatePath(work.filePath(QStringLiteral("level.bft")).toStdString());
  pelcon::ui::BatchDialog batch(pelcon::ConvertLogFile);
  batch.resize(batch.size() + QSize(batch.width() * 3 / 5, 0));
  batch.AddFiles(copies);
  batch.show();
  batch.findChild<QPushButton*>(QStringLiteral("convertButton"))->click();
  QDeadlineTimer deadline(60000);
  while (batch.Running() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  if (batch.Running()) {
    std::fprintf(stderr, "render_dialogs: the sample conversion did not end\n");
    return false;
  }
  batch.findChild<QTreeWidget*>(QStringLiteral("resultsList"))->resizeColumnToContents(3);
  return Save(batch, folder, "batch_dialog_results.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: render_dialogs <folder> [<sample folder>]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;
  if (!settings.isValid()) {
    std::fprintf(stderr, "render_dialogs: no temporary folder for the settings\n");
    return 1;
  }
  qputenv("PELCON_REGISTRY", settings.filePath(QStringLiteral("registry.reg")).toLocal8Bit());
  QApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists()) {
    std::fprintf(stderr, "render_dialogs: no folder %s\n", argv[1]);
    return 1;
  }

  pelcon::WriteDefaultTemplatePath("/home/field/Templates/Level and temperature.bft");
  pelcon::ui::BatchDialog batch(pelcon::ConvertLogFile);
  batch.AddFiles(std::vector<std::string>{"/home/field/Data/Well 3 pump test.bin",
                                          "/home/field/Data/Well 7 recovery.bin",
                                          "/home/field/Data/River gauge March.bin"});

  pelcon::ui::ColumnSelectionDialog columns(
      {",",
       "-----",
       {"Time - Time Stamp", "Time - Elapsed (Hours)", "Level/Depth (ft)", "Temperature (C)",
        "Conductivity (\xB5S Actual)"},
       {true, true, false, true}},
      pelcon::TemplateEditMode::kEdit);
  auto* current = columns.findChild<QListWidget*>(QStringLiteral("currentList"));
  current->item(2)->setSelected(true);

  pelcon::ui::AboutDialog about;

  bool saved = Save(batch, folder, "batch_dialog.png") &&
               Save(columns, folder, "column_selection_dialog.png") &&
               Save(about, folder, "about_box.png");
  if (saved && argc == 3) saved = SaveResults(QDir(QString::fromLocal8Bit(argv[2])), folder);
  return saved ? 0 : 1;
}
