#include "plot/min_max_decimation.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pelcon::plot {
namespace {

// A kept sample and the run of readings (between gaps) it belongs to.
struct RunPoint {
  PlotPoint point;
  std::size_t run;
};

class LineCollector {
 public:
  void Add(const RunPoint& kept) {
    if (lines_.empty() || kept.run != lastRun_) lines_.emplace_back();
    lines_.back().push_back(kept.point);
    lastRun_ = kept.run;
  }
  std::vector<PlotLine> Take() { return std::move(lines_); }

 private:
  std::vector<PlotLine> lines_;
  std::size_t lastRun_ = 0;
};

// The lowest and highest sample of one pixel column.
struct ColumnExtremes {
  std::optional<RunPoint> low, high;

  void Add(const RunPoint& sample) {
    if (!low || sample.point.y < low->point.y) low = sample;
    if (!high || sample.point.y > high->point.y) high = sample;
  }
  void EmitTo(LineCollector& lines) {
    if (!low) return;
    const bool lowFirst = low->point.x <= high->point.x;
    lines.Add(lowFirst ? *low : *high);
    if (low->point.x != high->point.x || low->point.y != high->point.y) {
      lines.Add(lowFirst ? *high : *low);
    }
    low.reset();
    high.reset();
  }
};

}  // namespace

std::vector<PlotLine> DecimateMinMax(std::span<const double> xs, std::span<const double> ys,
                                     double xFirst, double xLast, std::size_t columns) {
  const auto first = std::lower_bound(xs.begin(), xs.end(), xFirst) - xs.begin();
  const auto last = std::upper_bound(xs.begin(), xs.end(), xLast) - xs.begin();
  const std::size_t count = last > first ? static_cast<std::size_t>(last - first) : 0;
  const bool thin = count > 2 * columns && columns > 0 && xLast > xFirst;
  const double columnsPerX = thin ? static_cast<double>(columns) / (xLast - xFirst) : 0.0;

  LineCollector lines;
  ColumnExtremes extremes;
  std::size_t run = 0;
  bool runHasReadings = false;
  std::size_t column = 0;
  // The samples just outside the range join too, so that the lines run to its edges.
  const auto begin = first > 0 ? first - 1 : first;
  const auto end = last < static_cast<std::ptrdiff_t>(xs.size()) ? last + 1 : last;
  for (auto k = begin; k < end; ++k) {
    if (std::isnan(ys[k])) {
      if (runHasReadings) ++run;
      runHasReadings = false;
      continue;
    }
    runHasReadings = true;
    const RunPoint sample{{xs[k], ys[k]}, run};
    if (!thin || k < first || k >= last) {
      extremes.EmitTo(lines);
      lines.Add(sample);
      continue;
    }
    const std::size_t sampleColumn =
        std::min(columns - 1, static_cast<std::size_t>((xs[k] - xFirst) * columnsPerX));
    if (sampleColumn != column) {
      extremes.EmitTo(lines);
      column = sampleColumn;
    }
    extremes.Add(sample);
  }
  extremes.EmitTo(lines);
  return lines.Take();
}

}  // namespace pelcon::plot
