#include "ui/qt/arrow_button.hpp"

#include <QPainter>
#include <QPolygonF>

namespace pelcon::ui {
namespace {

const QColor kFace(0xD4, 0xD0, 0xC8);
const QColor kLight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kDarkShadow(0x40, 0x40, 0x40);

void DrawBevel(QPainter& painter, QSize size, bool sunken) {
  const int right = size.width() - 1;
  const int bottom = size.height() - 1;
  painter.fillRect(QRect(QPoint(0, 0), size), kFace);
  painter.setPen(sunken ? kDarkShadow : kLight);
  painter.drawLine(0, 0, right, 0);
  painter.drawLine(0, 0, 0, bottom);
  painter.setPen(sunken ? kLight : kDarkShadow);
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, 0, right, bottom);
  painter.setPen(kShadow);
  if (sunken) {
    painter.drawLine(1, 1, right - 1, 1);
    painter.drawLine(1, 1, 1, bottom - 1);
  } else {
    painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
    painter.drawLine(right - 1, 1, right - 1, bottom - 1);
  }
}

// A solid triangle centred in the face, about half its size.
QPolygonF Arrow(ArrowDirection direction, QSize size, QPointF offset) {
  const double half = std::min(size.width(), size.height()) * 0.28;
  const QPointF centre = QPointF(size.width() / 2.0, size.height() / 2.0) + offset;
  const double tip = direction == ArrowDirection::kUp ? -half * 0.7 : half * 0.7;
  return QPolygonF(
      {centre + QPointF(0, tip), centre + QPointF(-half, -tip), centre + QPointF(half, -tip)});
}

}  // namespace

QPixmap ArrowImage(ArrowDirection direction, ArrowState state, QSize size) {
  QPixmap image(size);
  QPainter painter(&image);
  DrawBevel(painter, size, state == ArrowState::kPressed);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  switch (state) {
    case ArrowState::kNormal:
      painter.setBrush(Qt::black);
      painter.drawPolygon(Arrow(direction, size, {0, 0}));
      break;
    case ArrowState::kPressed:
      // The face moves down and right as the button goes in.
      painter.setBrush(Qt::black);
      painter.drawPolygon(Arrow(direction, size, {1, 1}));
      break;
    case ArrowState::kDisabled:
      // Etched: a white copy below a grey one.
      painter.setBrush(kLight);
      painter.drawPolygon(Arrow(direction, size, {1, 1}));
      painter.setBrush(kShadow);
      painter.drawPolygon(Arrow(direction, size, {0, 0}));
      break;
  }
  return image;
}

ArrowButton::ArrowButton(ArrowDirection direction, QWidget* parent)
    : QAbstractButton(parent), direction_(direction) {
  setFocusPolicy(Qt::StrongFocus);
}

void ArrowButton::resizeEvent(QResizeEvent* event) {
  normal_ = ArrowImage(direction_, ArrowState::kNormal, size());
  pressed_ = ArrowImage(direction_, ArrowState::kPressed, size());
  disabled_ = ArrowImage(direction_, ArrowState::kDisabled, size());
  QAbstractButton::resizeEvent(event);
}

void ArrowButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& image = !isEnabled() ? disabled_ : isDown() ? pressed_ : normal_;
  painter.drawPixmap(0, 0, image);
  if (hasFocus()) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

}  // namespace pelcon::ui
