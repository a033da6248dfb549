#pragma once

#include <QCategoryAxis>
#include <QChart>
#include <QColor>
#include <QValueAxis>
#include <cstddef>

#include "plot/log_plot.hpp"
#include "plot/series_selection.hpp"

namespace pelcon::plot {

// The colour of a series, by its place in the plot, so that it keeps its colour whichever
// others are shown.
QColor SeriesColour(std::size_t series);

// A chart of a log file: the selected series against record time, each unit on a value axis of
// its own (left and right). Only what the plot area can show is handed to the chart: the lines
// are thinned to the pixel columns of the time range shown (DecimateMinMax) and drawn again when
// that range changes.
class LogChart : public QChart {
 public:
  explicit LogChart(LogPlot plot);

  const LogPlot& Plot() const { return plot_; }
  SeriesSelection& Selection() { return selection_; }
  QString SeriesName(std::size_t series) const;

  // Draws the selected series over the whole time range, each value axis fitted to its series.
  void ShowAll();
  // Draws the selected series again for the time range shown now, keeping the value ranges
  // unless asked to fit them.
  void Redraw(bool fitValues = false);
  // The time of an axis position as the logger's clock reads it: "2009-03-15 14:30:00".
  static QString TimeText(qreal axisPosition);
  // Positions on the time axis are milliseconds since 1970 of the logger's clock; its labels are
  // those times too, whatever the machine's time zone.
  QCategoryAxis& TimeAxis() { return *timeAxis_; }
  QValueAxis& ValueAxis(std::size_t axis) { return *valueAxes_[axis]; }
  // The lines on the chart (a series split at its gaps has several), for tests.
  int LineCount() const { return static_cast<int>(series().size()); }

 private:
  // Replaces the lines by those of the selection over the logger-clock range; fits the value
  // axes when asked.
  void Draw(double firstMilliseconds, double lastMilliseconds, bool fitValues);
  // Labels the time axis for the range it shows now.
  void LabelTimes();

  LogPlot plot_;
  SeriesSelection selection_;
  QCategoryAxis* timeAxis_;
  QValueAxis* valueAxes_[2];
};

}  // namespace pelcon::plot
