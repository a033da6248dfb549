#pragma once

#include <QChartView>
#include <QPoint>
#include <functional>
#include <optional>

namespace pelcon::ui {

// A chart view to explore a chart with the mouse and keys: a rectangle dragged with the left
// button zooms into it, a drag with the right or middle button (or the arrow keys) pans, and the
// pointer's position is reported as it moves over the chart.
class ChartNavigationView final : public QChartView {
 public:
  explicit ChartNavigationView(QChart* chart, QWidget* parent = nullptr);

  // Called with the pointer's position in chart coordinates, and with nothing when it leaves.
  void OnPointer(std::function<void(std::optional<QPointF>)> report) {
    report_ = std::move(report);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::function<void(std::optional<QPointF>)> report_;
  std::optional<QPoint> panFrom_;
};

}  // namespace pelcon::ui
