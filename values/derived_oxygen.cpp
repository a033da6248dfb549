#include <optional>

#include "values/derived_value_calculations.hpp"
#include "values/unit_converter.hpp"

// Percent oxygen saturation of the Clark and the optical dissolved oxygen sensors.

namespace pelcon {
namespace {

constexpr int kPercentSaturation = 2;

}  // namespace

// Origins: the concentration (mg/L), the temperature it is read at (the sonde's, or the optical
// sensor's own), BARO_INCHES_HG, CTX_SALINITY.
std::optional<double> ComputeSaturation(const DerivedInputs& in) {
  return ConvertUnitsFull(in.numbers[0], in.family, 0, kPercentSaturation,
                          static_cast<float>(in.numbers[1]), static_cast<float>(in.numbers[2]),
                          static_cast<float>(in.numbers[3]));
}

}  // namespace pelcon
