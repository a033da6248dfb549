#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace pelcon::plot {

struct PlotPoint {
  double x;
  double y;
};

// A run of points drawn as one line; a gap in the data separates two runs.
using PlotLine = std::vector<PlotPoint>;

// Thins a series for a plot `columns` pixel columns wide showing x from xFirst to xLast: of the
// samples falling into each column, only the lowest and the highest are kept (in their order), so
// a spike of one sample stays visible while the output never exceeds two points per column (and
// one sample on either side of the range, so that the lines run to its edges; the others outside
// are dropped). A NaN value is no reading: the points before and after it
// go to separate lines, so a gap stays a gap. A series of no more than two points per column
// passes unchanged, split at its gaps. xs must be ascending and as long as ys.
std::vector<PlotLine> DecimateMinMax(std::span<const double> xs, std::span<const double> ys,
                                     double xFirst, double xLast, std::size_t columns);

}  // namespace pelcon::plot
