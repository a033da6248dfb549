#include "plot/series_selection.hpp"

namespace pelcon::plot {

SeriesSelection::SeriesSelection(std::vector<std::string> units)
    : units_(std::move(units)), shown_(units_.size(), false) {
  for (std::size_t series = 0; series < units_.size(); ++series) {
    if (!axes_[1] || units_[series] == axes_[0] || units_[series] == axes_[1]) Show(series);
  }
  olderAxis_ = 0;
}

void SeriesSelection::Show(std::size_t series) {
  const std::string& unit = units_[series];
  std::size_t axis = 0;
  if (unit == axes_[0]) {
    axis = 0;
  } else if (unit == axes_[1]) {
    axis = 1;
  } else {
    axis = !axes_[0] ? 0 : !axes_[1] ? 1 : olderAxis_;
    Release(axis);
    axes_[axis] = unit;
  }
  olderAxis_ = 1 - axis;
  shown_[series] = true;
}

void SeriesSelection::Hide(std::size_t series) {
  if (!shown_[series]) return;
  shown_[series] = false;
  const std::size_t axis = AxisOf(series);
  for (std::size_t other = 0; other < units_.size(); ++other) {
    if (shown_[other] && units_[other] == units_[series]) return;
  }
  axes_[axis].reset();
}

std::size_t SeriesSelection::AxisOf(std::size_t series) const {
  return units_[series] == axes_[1] ? 1 : 0;
}

void SeriesSelection::Release(std::size_t axis) {
  if (!axes_[axis]) return;
  for (std::size_t series = 0; series < units_.size(); ++series) {
    if (units_[series] == axes_[axis]) shown_[series] = false;
  }
  axes_[axis].reset();
}

}  // namespace pelcon::plot
