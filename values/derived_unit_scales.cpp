#include <optional>

#include "values/derived_value_calculations.hpp"
#include "values/unit_converter.hpp"

// Derived values that are one origin in another unit of its family: each has that one origin.

namespace pelcon {
namespace {

// Unit indices within the families of the unit converter.
constexpr int kFahrenheit = 1;
constexpr int kKilopascals = 3;
constexpr int kInchesHg = 1;
constexpr int kBars = 2;
constexpr int kMillibars = 3;
constexpr int kCmOfWater = 4;
constexpr int kMmHg = 5;

// Milligrams of dissolved oxygen per litre to micromoles (1000 / 31.9988 g/mol).
constexpr double kMicromolesPerMilligram = 31.251172;

// The origin converted from unit 0 of its family to unit `to`.
std::optional<double> Converted(const DerivedInputs& in, int to) {
  return ConvertUnits(in.numbers[0], in.family, 0, to);
}

}  // namespace

std::optional<double> ComputeDegreesFahrenheit(const DerivedInputs& in) {
  return Converted(in, kFahrenheit);
}

std::optional<double> ComputeKilopascals(const DerivedInputs& in) {
  return Converted(in, kKilopascals);
}

std::optional<double> ComputeBarometricBars(const DerivedInputs& in) {
  return Converted(in, kBars);
}

std::optional<double> ComputeBarometricMillibars(const DerivedInputs& in) {
  return Converted(in, kMillibars);
}

std::optional<double> ComputeBarometricCmOfWater(const DerivedInputs& in) {
  return Converted(in, kCmOfWater);
}

std::optional<double> ComputeBarometricMmHg(const DerivedInputs& in) {
  return Converted(in, kMmHg);
}

std::optional<double> ComputeBarometricInchesHg(const DerivedInputs& in) {
  return Converted(in, kInchesHg);
}

std::optional<double> ComputeThousandths(const DerivedInputs& in) {
  return in.numbers[0] * 0.001;
}

std::optional<double> ComputeOxygenMicrograms(const DerivedInputs& in) {
  return in.numbers[0] * 1000;
}

std::optional<double> ComputeOxygenMicromoles(const DerivedInputs& in) {
  return in.numbers[0] * kMicromolesPerMilligram;
}

}  // namespace pelcon
