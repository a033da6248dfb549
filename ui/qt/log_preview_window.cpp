#include "ui/qt/log_preview_window.hpp"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/files.hpp"
#include "plot/qt/chart_image.hpp"
#include "ui/qt/application_icon.hpp"
#include "ui/qt/qt_text.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::ui {
namespace {

constexpr int kRedrawDelayMilliseconds = 150;
constexpr int kSwatchPixels = 12;

QIcon Swatch(const QColor& colour) {
  QPixmap pixmap(kSwatchPixels, kSwatchPixels);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

// "psi 22.310" of an axis at a fraction of the plot's height from the bottom.
QString AxisReading(QValueAxis& axis, qreal fromBottom) {
  if (!axis.isVisible()) return {};
  const qreal value = axis.min() + (axis.max() - axis.min()) * fromBottom;
  return QStringLiteral("   %1: %2").arg(axis.titleText(), QString::number(value, 'g', 6));
}

}  // namespace

LogPreviewWindow::LogPreviewWindow(plot::LogPlot plot, const std::string& logPath, QWidget* parent)
    : QWidget(parent, Qt::Window),
      chart_(new plot::LogChart(std::move(plot))),
      logPath_(logPath),
      seriesList_(new QListWidget(this)),
      view_(new ChartNavigationView(chart_, this)),
      readout_(new QLabel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Preview - ") + FromPath(logPath));
  setWindowIcon(ApplicationIcon());
  seriesList_->setObjectName(QStringLiteral("seriesList"));
  view_->setObjectName(QStringLiteral("chartView"));
  readout_->setObjectName(QStringLiteral("readoutLabel"));
  for (std::size_t s = 0; s < chart_->Plot().series.size(); ++s) {
    auto* item = new QListWidgetItem(Swatch(plot::SeriesColour(s)), chart_->SeriesName(s));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    seriesList_->addItem(item);
  }
  ShowChecks();
  seriesList_->setMaximumWidth(seriesList_->sizeHintForColumn(0) + 4 * kSwatchPixels);

  auto* reset = new QPushButton(QStringLiteral("Reset"), this);
  reset->setObjectName(QStringLiteral("resetButton"));
  reset->setToolTip(
      QStringLiteral("The whole record again (drag a rectangle to zoom, drag with "
                     "the right or middle button or use the arrow keys to pan)"));
  auto* save = new QPushButton(QStringLiteral("Save image..."), this);
  save->setObjectName(QStringLiteral("saveButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(readout_, 1);
  buttons->addWidget(reset);
  buttons->addWidget(save);
  auto* chartSide = new QVBoxLayout;
  chartSide->addWidget(view_, 1);
  chartSide->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(seriesList_);
  layout->addLayout(chartSide, 1);
  resize(1100, 600);

  redraw_.setSingleShot(true);
  redraw_.setInterval(kRedrawDelayMilliseconds);
  connect(&redraw_, &QTimer::timeout, this, [this] { chart_->Redraw(); });
  connect(&chart_->TimeAxis(), &QValueAxis::rangeChanged, this, [this] { redraw_.start(); });
  connect(seriesList_, &QListWidget::itemChanged, this, &LogPreviewWindow::OnSeriesChecked);
  connect(reset, &QPushButton::clicked, this, [this] { chart_->ShowAll(); });
  connect(save, &QPushButton::clicked, this, &LogPreviewWindow::OnSave);
  view_->OnPointer([this](const std::optional<QPointF>& position) { ShowReadout(position); });
}

bool LogPreviewWindow::SaveImage(const std::string& path, bool replaceExisting,
                                 std::string& error) {
  return plot::WriteChartImage(*chart_, view_->size(), path, replaceExisting, error);
}

void LogPreviewWindow::OnSeriesChecked(QListWidgetItem* item) {
  const auto series = static_cast<std::size_t>(seriesList_->row(item));
  if (item->checkState() == Qt::Checked) {
    chart_->Selection().Show(series);
  } else {
    chart_->Selection().Hide(series);
  }
  // Showing a third unit hides the series of another.
  ShowChecks();
  chart_->Redraw(true);
}

void LogPreviewWindow::ShowChecks() {
  const QSignalBlocker quiet(seriesList_);
  for (int row = 0; row < seriesList_->count(); ++row) {
    seriesList_->item(row)->setCheckState(
        chart_->Selection().Shown(static_cast<std::size_t>(row)) ? Qt::Checked : Qt::Unchecked);
  }
}

void LogPreviewWindow::OnSave() {
  QString selectedFilter;
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save image"), FromPath(logPath_ + ".png"),
      QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), &selectedFilter);
  if (path.isEmpty()) return;
  const std::string chosen = ToPath(path);
  const std::string target = plot::WithImageExtension(
      chosen, selectedFilter.startsWith(QStringLiteral("SVG")) ? plot::ImageFormat::kSvg
                                                               : plot::ImageFormat::kPng);
  // The dialog has asked before replacing the name it was given, not one with an extension added.
  const bool asked = target == chosen;
  std::string error;
  bool saved = SaveImage(target, asked, error);
  if (!saved && !asked && platform::FileExists(target)) {
    if (QMessageBox::question(this, QStringLiteral("Save image"),
                              FromPath(target) + QStringLiteral(" exists. Replace it?")) !=
        QMessageBox::Yes) {
      return;
    }
    saved = SaveImage(target, true, error);
  }
  if (!saved) {
    QMessageBox::warning(this, QStringLiteral("Save image"), FromMessageText(error));
  }
}

void LogPreviewWindow::ShowReadout(const std::optional<QPointF>& position) {
  if (!position) {
    readout_->clear();
    return;
  }
  const QRectF area = chart_->plotArea();
  QCategoryAxis& time = chart_->TimeAxis();
  const qreal across = (position->x() - area.left()) / area.width();
  const qreal fromBottom = (area.bottom() - position->y()) / area.height();
  readout_->setText(plot::LogChart::TimeText(time.min() + (time.max() - time.min()) * across) +
                    AxisReading(chart_->ValueAxis(0), fromBottom) +
                    AxisReading(chart_->ValueAxis(1), fromBottom));
}

LogPreviewWindow* ShowLogPreview(QWidget* parent, const std::string& path,
                                 const std::optional<std::vector<std::string>>& columns) {
  LogFileReader reader;
  if (reader.Open(path) == 0 || !reader.Log().IsValid()) {
    QMessageBox::warning(parent, QStringLiteral("Preview"),
                         FromPath(path) + QStringLiteral(": not a readable log file"));
    return nullptr;
  }
  plot::LogPlot plot = plot::ReadLogPlot(reader.Log(), columns);
  if (plot.series.empty() || plot.times.empty()) {
    QMessageBox::warning(parent, QStringLiteral("Preview"),
                         FromPath(path) + QStringLiteral(": no number column to show"));
    return nullptr;
  }
  auto* window = new LogPreviewWindow(std::move(plot), path, parent);
  window->show();
  return window;
}

}  // namespace pelcon::ui
