// Draws the preview window of the sonde sample offscreen into a PNG file, for the documentation:
//   render_preview <examples folder> <out.png>
// The window shows vorta_sonde.bin with the columns of sonde.bft, as the batch dialog's Preview
// button opens it with that template chosen.

#include <QApplication>
#include <cstdio>
#include <string>

#include "export/export_template.hpp"
#include "ui/qt/log_preview_window.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_preview <examples folder> <out.png>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string examples = argv[1];
  pelcon::ExportTemplate sonde;
  if (pelcon::Failed(sonde.Load(examples + "/sonde.bft"))) return 1;
  pelcon::ui::LogPreviewWindow* window =
      pelcon::ui::ShowLogPreview(nullptr, examples + "/vorta_sonde.bin", sonde.Columns());
  if (window == nullptr) return 1;
  window->resize(1100, 520);
  QApplication::processEvents();
  const bool saved = window->grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
  if (!saved) std::fprintf(stderr, "render_preview: cannot write %s\n", argv[2]);
  delete window;
  return saved ? 0 : 1;
}
