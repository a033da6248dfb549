#include "ui/qt/chart_navigation_view.hpp"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pelcon::ui {
namespace {

// Pixels an arrow key moves the chart.
constexpr qreal kKeyPanStep = 40;

bool IsPanButton(Qt::MouseButton button) {
  return button == Qt::RightButton || button == Qt::MiddleButton;
}

}  // namespace

ChartNavigationView::ChartNavigationView(QChart* chart, QWidget* parent)
    : QChartView(chart, parent) {
  setRubberBand(QChartView::RectangleRubberBand);
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartNavigationView::mousePressEvent(QMouseEvent* event) {
  // The view's own right click zooms out; here it pans, and Reset shows everything again.
  if (IsPanButton(event->button())) {
    panFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
    return;
  }
  QChartView::mousePressEvent(event);
}

void ChartNavigationView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (panFrom_) {
    const QPoint moved = position - *panFrom_;
    chart()->scroll(-moved.x(), moved.y());
    panFrom_ = position;
  }
  if (report_) {
    const QPointF inChart = chart()->mapFromScene(mapToScene(position));
    report_(chart()->plotArea().contains(inChart) ? std::optional(inChart) : std::nullopt);
  }
  QChartView::mouseMoveEvent(event);
}

void ChartNavigationView::mouseReleaseEvent(QMouseEvent* event) {
  if (IsPanButton(event->button())) {
    panFrom_.reset();
    unsetCursor();
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void ChartNavigationView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      chart()->scroll(-kKeyPanStep, 0);
      break;
    case Qt::Key_Right:
      chart()->scroll(kKeyPanStep, 0);
      break;
    case Qt::Key_Up:
      chart()->scroll(0, kKeyPanStep);
      break;
    case Qt::Key_Down:
      chart()->scroll(0, -kKeyPanStep);
      break;
    default:
      QChartView::keyPressEvent(event);
      return;
  }
  event->accept();
}

void ChartNavigationView::leaveEvent(QEvent* event) {
  if (report_) report_(std::nullopt);
  QChartView::leaveEvent(event);
}

}  // namespace pelcon::ui
