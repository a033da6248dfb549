#include "logfile/families/vorta/calibration_turbidity.hpp"

#include <algorithm>
#include <iterator>

#include "logfile/calibration_coefficients.hpp"
#include "logfile/calibration_polynomials.hpp"

namespace pelcon {
namespace {

constexpr int kRangeGroups = static_cast<int>(std::size(TurbidityRangeRecord{}.groups));

// A count read from the file never reaches past the record's groups.
int PointCount(const TurbidityRangeRecord& record) {
  return std::min<int>(record.pointCount, kRangeGroups);
}

// A range value compensated to 25 degrees, kept at single precision as the instrument does.
float Compensated(double value, double temperature, float k1, float k2) {
  return static_cast<float>(RoundToSingle(
      value / ((temperature - 25.0) * k1 + (temperature * temperature - 625.0) * k2 + 1.0)));
}

// The pair of a range record that serves `value`: pair i for the first calibration point i + 1
// at or above it, the last pair in use above all points. `count` is the number of points in use,
// already limited to the record's groups.
int PairFor(const TurbidityRangeRecord& record, int count, float value) {
  if (count < 2) return 0;
  for (int i = 0; i <= count - 2; ++i) {
    if (value <= record.groups[i + 1].f2) return i;
  }
  return count - 2;
}

double Apply(const TurbidityRangeRecord& record, int count, float value) {
  const CalibrationPair& pair = record.pairs[PairFor(record, count, value)];
  return static_cast<double>(value) * pair.slope + pair.offset;
}

}  // namespace

double Turbidity(const Block86& block, bool temperatureCoefficients,
                 const TurbidityReadings& readings, double temperature) {
  std::array<float, 2> high{};
  std::array<float, 2> low{};
  if (temperatureCoefficients) {
    high = FloatsAt<2>(block, offsetof(Block86, highTemperature));
    low = FloatsAt<2>(block, offsetof(Block86, lowTemperature));
  }

  const int n = PointCount(block.low);
  if (n > 0 && !readings.lowIsZero) {
    const float u = Compensated(readings.low, temperature, low[0], low[1]);
    if (u <= block.low.groups[n - 1].f2) return Apply(block.low, n, u);
  }
  const float w = Compensated(readings.high, temperature, high[0], high[1]);
  return Apply(block.high, PointCount(block.high), w);
}

}  // namespace pelcon
