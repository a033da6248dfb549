#include "ui/qt/application_icon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace pelcon::ui {
namespace {

QPixmap DrawIcon(int size) {
  QPixmap image(size, size);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);

  // The sheet with a folded corner.
  QPainterPath sheet;
  sheet.moveTo(5, 2);
  sheet.lineTo(21, 2);
  sheet.lineTo(27, 8);
  sheet.lineTo(27, 30);
  sheet.lineTo(5, 30);
  sheet.closeSubpath();
  painter.setPen(QPen(QColor(0x33, 0x3D, 0x4A), 1.2));
  painter.setBrush(Qt::white);
  painter.drawPath(sheet);
  painter.setBrush(QColor(0xD8, 0xDE, 0xE6));
  painter.drawPolygon(QPolygonF({QPointF(21, 2), QPointF(21, 8), QPointF(27, 8)}));

  // Table rows: the comma-separated output.
  painter.setPen(QPen(QColor(0x8A, 0x94, 0xA3), 1.4));
  for (double y : {8.0, 12.0, 16.0}) painter.drawLine(QPointF(8, y), QPointF(y < 9 ? 18 : 24, y));

  // Water with a wave on top: the level the instruments log.
  QPainterPath water;
  water.moveTo(5.6, 21);
  water.cubicTo(10, 17.5, 13, 24.5, 16, 21);
  water.cubicTo(19, 17.5, 22, 24.5, 26.4, 21);
  water.lineTo(26.4, 29.4);
  water.lineTo(5.6, 29.4);
  water.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1E, 0x7F, 0xC8));
  painter.drawPath(water);
  return image;
}

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : std::array{16, 24, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace pelcon::ui
