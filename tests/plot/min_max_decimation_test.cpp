#include "plot/min_max_decimation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelcon::plot {
namespace {

std::size_t PointCount(const std::vector<PlotLine>& lines) {
  std::size_t count = 0;
  for (const PlotLine& line : lines) count += line.size();
  return count;
}

bool HasPoint(const std::vector<PlotLine>& lines, double x, double y) {
  for (const PlotLine& line : lines) {
    for (const PlotPoint& point : line) {
      if (point.x == x && point.y == y) return true;
    }
  }
  return false;
}

// x = 0, 1, ..., count - 1.
std::vector<double> Steps(std::size_t count) {
  std::vector<double> xs(count);
  for (std::size_t k = 0; k < count; ++k) xs[k] = static_cast<double>(k);
  return xs;
}

TEST(MinMaxDecimation, SmallSeriesPassesUnchanged) {
  const std::vector<double> xs{0, 1, 2, 3, 4};
  const std::vector<double> ys{5, 9, 2, 7, 7};
  // Five points on ten columns: no more than two a column already.
  const std::vector<PlotLine> lines = DecimateMinMax(xs, ys, 0, 4, 10);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(lines[0][k].x, xs[k]);
    EXPECT_EQ(lines[0][k].y, ys[k]);
  }
}

TEST(MinMaxDecimation, OneSampleSpikesAndDipsSurviveWithinTwoPointsAColumn) {
  // 100,000 samples of a slow wave on 300 columns (about 333 samples each), one spike up and one
  // dip down of a single sample each.
  const std::vector<double> xs = Steps(100000);
  std::vector<double> ys(xs.size());
  for (std::size_t k = 0; k < ys.size(); ++k) ys[k] = std::sin(xs[k] / 5000.0);
  ys[43210] = 50.0;
  ys[77777] = -50.0;
  const std::vector<PlotLine> lines = DecimateMinMax(xs, ys, 0, 99999, 300);
  EXPECT_LE(PointCount(lines), 600u);
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_TRUE(HasPoint(lines, 43210, 50.0));
  EXPECT_TRUE(HasPoint(lines, 77777, -50.0));
  // The points stay in time order, so the line never runs backwards.
  EXPECT_TRUE(std::is_sorted(lines[0].begin(), lines[0].end(),
                             [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; }));
}

TEST(MinMaxDecimation, GapsStayGapsAndTheRangeIsCut) {
  constexpr double kGap = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> xs = Steps(1000);
  std::vector<double> ys(xs.size(), 1.0);
  // No readings from 400 to 599: columns of 100 samples, two of them empty.
  std::fill(ys.begin() + 400, ys.begin() + 600, kGap);
  // One missing reading inside a column still splits the line.
  ys[850] = kGap;
  const std::vector<PlotLine> lines = DecimateMinMax(xs, ys, 0, 999, 10);
  EXPECT_LE(PointCount(lines), 20u);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_LT(lines[0].back().x, 400);
  EXPECT_GE(lines[1].front().x, 600);
  EXPECT_LT(lines[1].back().x, 850);
  EXPECT_GT(lines[2].front().x, 850);

  // Only the samples of the range shown are thinned and drawn, 100 to 199 on five columns, with
  // the one on either side that the line runs to.
  const std::vector<PlotLine> part = DecimateMinMax(xs, ys, 100, 199, 5);
  ASSERT_EQ(part.size(), 1u);
  EXPECT_LE(part[0].size(), 10u + 2u);
  EXPECT_EQ(part[0].front().x, 99);
  EXPECT_EQ(part[0].back().x, 200);
  for (std::size_t k = 1; k + 1 < part[0].size(); ++k) {
    EXPECT_GE(part[0][k].x, 100);
    EXPECT_LE(part[0][k].x, 199);
  }
}

}  // namespace
}  // namespace pelcon::plot
