#include "plot/qt/log_chart.hpp"

#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <algorithm>
#include <limits>

#include "datalib/text_codec.hpp"
#include "plot/min_max_decimation.hpp"
#include "plot/time_axis_labels.hpp"

namespace pelcon::plot {
namespace {

// Plot widths when the chart has not been laid out yet.
constexpr int kDefaultColumns = 1000;
constexpr qreal kLineWidth = 2.0;
// Room above and below the values on a fitted axis, as a share of their span.
constexpr double kValueMargin = 0.05;
// Half the time range shown for a file whose records all have the same time.
constexpr double kSingleTimeHalfRange = 30 * 60 * 1000.0;
// Time labels that fit across a plot without crowding.
constexpr int kMostTimeLabels = 8;

QString FromWindows1252(const std::string& bytes) {
  return QString::fromStdString(Windows1252AsUtf8(bytes));
}

}  // namespace

QColor SeriesColour(std::size_t series) {
  static const QRgb kColours[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b,
                                  0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf, 0x393b79, 0x637939};
  return QColor(kColours[series % std::size(kColours)]);
}

LogChart::LogChart(LogPlot plot)
    : plot_(std::move(plot)),
      selection_([this] {
        std::vector<std::string> units;
        for (const PlotSeries& series : plot_.series) units.push_back(series.unit);
        return units;
      }()),
      timeAxis_(new QCategoryAxis(this)),
      valueAxes_{new QValueAxis(this), new QValueAxis(this)} {
  setTitle(FromWindows1252(plot_.title));
  QFont font = titleFont();
  font.setBold(true);
  setTitleFont(font);
  legend()->setAlignment(Qt::AlignBottom);
  timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  addAxis(timeAxis_, Qt::AlignBottom);
  // Zooming and panning change the range without Draw.
  connect(timeAxis_, &QValueAxis::rangeChanged, this, [this] { LabelTimes(); });
  addAxis(valueAxes_[0], Qt::AlignLeft);
  addAxis(valueAxes_[1], Qt::AlignRight);
  ShowAll();
}

QString LogChart::SeriesName(std::size_t series) const {
  return FromWindows1252(plot_.series[series].name);
}

QString LogChart::TimeText(qreal axisPosition) {
  return QString::fromStdString(LoggerTimeText(axisPosition));
}

void LogChart::ShowAll() {
  double first = plot_.times.empty() ? 0.0 : plot_.times.front();
  double last = plot_.times.empty() ? 0.0 : plot_.times.back();
  if (last <= first) {
    first -= kSingleTimeHalfRange;
    last += kSingleTimeHalfRange;
  }
  Draw(first, last, true);
}

void LogChart::Redraw(bool fitValues) {
  Draw(timeAxis_->min(), timeAxis_->max(), fitValues);
}

void LogChart::Draw(double firstMilliseconds, double lastMilliseconds, bool fitValues) {
  const qreal kept[2][2] = {{valueAxes_[0]->min(), valueAxes_[0]->max()},
                            {valueAxes_[1]->min(), valueAxes_[1]->max()}};
  removeAllSeries();
  const int width = static_cast<int>(plotArea().width());
  const std::size_t columns = static_cast<std::size_t>(width > 0 ? width : kDefaultColumns);
  double low[2] = {std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::infinity()};
  double high[2] = {-low[0], -low[1]};
  for (std::size_t s = 0; s < plot_.series.size(); ++s) {
    if (!selection_.Shown(s)) continue;
    const std::size_t axis = selection_.AxisOf(s);
    bool firstLine = true;
    for (const PlotLine& line : DecimateMinMax(plot_.times, plot_.series[s].values,
                                               firstMilliseconds, lastMilliseconds, columns)) {
      QList<QPointF> points;
      points.reserve(static_cast<qsizetype>(line.size()));
      for (const PlotPoint& point : line) {
        points.append({point.x, point.y});
        low[axis] = std::min(low[axis], point.y);
        high[axis] = std::max(high[axis], point.y);
      }
      auto* series = new QLineSeries(this);
      series->setName(SeriesName(s));
      series->setPen(QPen(SeriesColour(s), kLineWidth));
      // A line of one point would draw nothing.
      series->setPointsVisible(points.size() == 1);
      series->replace(points);
      addSeries(series);
      series->attachAxis(timeAxis_);
      series->attachAxis(valueAxes_[axis]);
      // One legend entry per series, not per line.
      if (!firstLine) {
        for (QLegendMarker* marker : legend()->markers(series)) marker->setVisible(false);
      }
      firstLine = false;
    }
  }
  timeAxis_->setRange(firstMilliseconds, lastMilliseconds);
  for (std::size_t axis = 0; axis < 2; ++axis) {
    const std::optional<std::string>& unit = selection_.AxisUnit(axis);
    valueAxes_[axis]->setVisible(unit.has_value());
    valueAxes_[axis]->setTitleText(unit ? FromWindows1252(*unit) : QString());
    if (!fitValues) {
      valueAxes_[axis]->setRange(kept[axis][0], kept[axis][1]);
    } else if (low[axis] <= high[axis]) {
      const double margin = high[axis] > low[axis] ? (high[axis] - low[axis]) * kValueMargin : 1.0;
      valueAxes_[axis]->setRange(low[axis] - margin, high[axis] + margin);
    }
  }
}

void LogChart::LabelTimes() {
  for (const QString& label : timeAxis_->categoriesLabels()) timeAxis_->remove(label);
  timeAxis_->setStartValue(timeAxis_->min());
  // A label with a date would take the room of two: the date goes above the time.
  for (const TimeAxisLabel& label :
       TimeAxisLabels(timeAxis_->min(), timeAxis_->max(), kMostTimeLabels)) {
    timeAxis_->append(
        QString::fromStdString(label.text).replace(QLatin1Char(' '), QStringLiteral("<br>")),
        label.milliseconds);
  }
}

}  // namespace pelcon::plot
