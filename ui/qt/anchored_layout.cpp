#include "ui/qt/anchored_layout.hpp"

#include <algorithm>
#include <cmath>

namespace pelcon::ui {

AnchoredLayout::AnchoredLayout(QWidget& window) : window_(window) {
  SetLaidOutSize(window.size());
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void AnchoredLayout::Pin(QWidget& control, Anchor anchor) {
  const auto pinned = std::ranges::find_if(
      pinned_, [&](const Pinned& pin) { return pin.control.data() == &control; });
  if (pinned != pinned_.end()) {
    pinned->anchor = anchor;
    return;
  }
  pinned_.push_back({&control, control.geometry(), anchor});
}

void AnchoredLayout::SetLaidOutSize(QSize size) {
  laidOut_ = size;
  window_.setMinimumSize(size);
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
