#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace pelcon::ui {

enum class ArrowDirection { kUp, kDown };
enum class ArrowState { kNormal, kPressed, kDisabled };

// The face of an arrow button: a raised (or, pressed, sunken) square with a plain arrow, greyed
// when disabled.
QPixmap ArrowImage(ArrowDirection direction, ArrowState state, QSize size);

// A button drawn from its three images, like a bitmap button.
class ArrowButton final : public QAbstractButton {
 public:
  ArrowButton(ArrowDirection direction, QWidget* parent);

  QSize sizeHint() const override { return {20, 20}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  ArrowDirection direction_;
  QPixmap normal_;
  QPixmap pressed_;
  QPixmap disabled_;
};

}  // namespace pelcon::ui
