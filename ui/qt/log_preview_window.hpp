#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "plot/qt/log_chart.hpp"
#include "ui/qt/chart_navigation_view.hpp"

namespace pelcon::ui {

// A look at a log file before it is converted: its columns against record time, the series
// chosen from a list (two units at most, one value axis each), with zoom, pan, a read-out of the
// pointer's time and values, and the picture saved as PNG or SVG.
class LogPreviewWindow final : public QWidget {
  Q_OBJECT

 public:
  LogPreviewWindow(plot::LogPlot plot, const std::string& logPath, QWidget* parent = nullptr);

  plot::LogChart& Chart() { return *chart_; }
  // Writes the chart as the view shows it; the format follows the name's extension. An existing
  // file is replaced only when asked. False, with the reason in error, when it cannot be written.
  bool SaveImage(const std::string& path, bool replaceExisting, std::string& error);

 private:
  void OnSeriesChecked(QListWidgetItem* item);
  void ShowChecks();
  void OnSave();
  void ShowReadout(const std::optional<QPointF>& position);

  plot::LogChart* chart_;  // owned by the view
  std::string logPath_;
  QListWidget* seriesList_;
  ChartNavigationView* view_;
  QLabel* readout_;
  // Lines are thinned for the time range shown: drawn again once zooming or panning pauses.
  QTimer redraw_;
};

// Opens a preview of the log file with the columns (display names, Windows-1252; nothing: every
// column the file supplies) as a window of its own, deleted when closed. Nothing, after a message
// box saying why, when the file cannot be read or has no number column to show.
LogPreviewWindow* ShowLogPreview(QWidget* parent, const std::string& path,
                                 const std::optional<std::vector<std::string>>& columns);

}  // namespace pelcon::ui
