#include "ui/qt/dialog_font.hpp"

#include <QFontMetrics>

namespace pelcon::ui {

QFont DialogFont() {
  QFont font(QStringLiteral("Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

DialogUnits UnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  return DialogUnits(metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                     metrics.height());
}

void Place(QWidget& control, const DialogUnits& units, int x, int y, int width, int height) {
  const PixelRect rect = units.Rect(x, y, width, height);
  control.setGeometry(rect.x, rect.y, rect.width, rect.height);
}

DialogUnits SetUpDialog(QWidget& dialog, int width, int height) {
  dialog.setFont(DialogFont());
  const DialogUnits units = UnitsOf(dialog.font());
  dialog.setFixedSize(units.X(width), units.Y(height));
  return units;
}

}  // namespace pelcon::ui
