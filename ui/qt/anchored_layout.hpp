#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace pelcon::ui {

// How a control follows the window's growth beyond its laid-out size: the share of the extra
// width and height it moves by and the share it grows by.
struct Anchor {
  double moveX = 0;
  double moveY = 0;
  double growX = 0;
  double growY = 0;
};

// Lets a window laid out in dialog units be made larger: the window's current size becomes its
// minimum, and each pinned control keeps its laid-out place and size plus its anchor's shares of
// the extra room. Call Apply from the window's resize event.
//
// A window that later shows more controls enlarges its laid-out size and pins anew: a control
// pinned again keeps the place it was laid out at and takes the new anchor.
class AnchoredLayout {
 public:
  explicit AnchoredLayout(QWidget& window);

  void Pin(QWidget& control, Anchor anchor);
  // The size at which every control is at its laid-out place; also the window's minimum.
  void SetLaidOutSize(QSize size);
  void Apply();

 private:
  struct Pinned {
    QPointer<QWidget> control;
    QRect laidOut;
    Anchor anchor;
  };

  QWidget& window_;
  QSize laidOut_;
  std::vector<Pinned> pinned_;
};

}  // namespace pelcon::ui
