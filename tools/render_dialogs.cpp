// Draws the three dialogs offscreen into PNG files, for the documentation:
//   render_dialogs <folder>
// writes batch_dialog.png, column_selection_dialog.png and about_box.png there. The settings come
// from a registry file of its own, so the user's are neither read nor changed.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "component/settings.hpp"
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_dialogs <folder>\n");
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

  const bool saved = Save(batch, folder, "batch_dialog.png") &&
                     Save(columns, folder, "column_selection_dialog.png") &&
                     Save(about, folder, "about_box.png");
  return saved ? 0 : 1;
}
