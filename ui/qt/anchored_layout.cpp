#include "ui/qt/anchored_layout.hpp"

#include <cmath>

namespace pelcon::ui {

AnchoredLayout::AnchoredLayout(QWidget& window) : window_(window), laidOut_(window.size()) {
  window.setMinimumSize(laidOut_);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void AnchoredLayout::Pin(QWidget& control, Anchor anchor) {
  pinned_.push_back({&control, control.geometry(), anchor});
}

void AnchoredLayout::Apply() {
  const int extraWidth = std::max(0, window_.width() - laidOut_.width());
  const int extraHeight = std::max(0, window_.height() - laidOut_.height());
  const auto share = [](int extra, double part) {
    return static_cast<int>(std::lround(extra * part));
  };
  for (const Pinned& pin : pinned_) {
    if (pin.control.isNull()) continue;
    const Anchor& a = pin.anchor;
    pin.control->setGeometry(pin.laidOut.x() + share(extraWidth, a.moveX),
                             pin.laidOut.y() + share(extraHeight, a.moveY),
                             pin.laidOut.width() + share(extraWidth, a.growX),
                             pin.laidOut.height() + share(extraHeight, a.growY));
  }
}

}  // namespace pelcon::ui
