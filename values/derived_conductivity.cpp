#include <optional>

#include "values/derived_value_calculations.hpp"
#include "values/unit_converter.hpp"

// Derived values of the conductivity family, computed from the actual conductivity (uS/cm) and
// the water temperature: origins CTX_MICROSIEMENS, DEGREES_C.

namespace pelcon {
namespace {

// Unit indices of the conductivity family.
constexpr int kDissolvedSolids = 2;
constexpr int kSalinity = 3;
constexpr int kResistivity = 4;
constexpr int kSpecificConductance = 5;

// The conductivity converted to unit `to` at the water temperature, times factor.
std::optional<double> ConvertConductivity(const DerivedInputs& in, int to, double factor) {
  const double celsius = in.numbers[1];
  return ConvertUnitsFull(in.numbers[0], in.family, 0, to, static_cast<float>(celsius), 0.0f,
                          0.0f) *
         factor;
}

}  // namespace

std::optional<double> ComputeSalinity(const DerivedInputs& in) {
  return ConvertConductivity(in, kSalinity, 1);
}

std::optional<double> ComputeDissolvedSolids(const DerivedInputs& in) {
  return ConvertConductivity(in, kDissolvedSolids, 1);
}

std::optional<double> ComputeResistance(const DerivedInputs& in) {
  return ConvertConductivity(in, kResistivity, 1);
}

std::optional<double> ComputeSpecificConductance(const DerivedInputs& in) {
  return ConvertConductivity(in, kSpecificConductance, 1);
}

std::optional<double> ComputeSpecificConductanceMilli(const DerivedInputs& in) {
  return ConvertConductivity(in, kSpecificConductance, 0.001);
}

}  // namespace pelcon
