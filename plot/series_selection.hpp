#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pelcon::plot {

// Which series of a plot are drawn. Each unit has a value axis of its own and a plot has two, left
// and right, so at most two units are drawn at once: showing a series of a third unit hides the
// series of the unit that was chosen longest ago, and the new unit takes that unit's axis.
class SeriesSelection {
 public:
  // The unit of each series. At first the series of the first two units are shown.
  explicit SeriesSelection(std::vector<std::string> units);

  void Show(std::size_t series);
  void Hide(std::size_t series);
  bool Shown(std::size_t series) const { return shown_[series]; }
  // The unit on each axis (0 left, 1 right); nothing for an axis without a series.
  const std::optional<std::string>& AxisUnit(std::size_t axis) const { return axes_[axis]; }
  // The axis of a shown series.
  std::size_t AxisOf(std::size_t series) const;

 private:
  void Release(std::size_t axis);

  std::vector<std::string> units_;
  std::vector<bool> shown_;
  std::optional<std::string> axes_[2];
  std::size_t olderAxis_ = 0;  // the axis whose unit was chosen longest ago
};

}  // namespace pelcon::plot
