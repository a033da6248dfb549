#include "values/derived_value_calculations.hpp"

#include <optional>

#include "values/unit_converter.hpp"

// Water level from the transducer pressure: depth of water above the sensor, and the level below
// the surface or the top of the casing against a reference taken when the test was set up.

namespace pelcon {
namespace {

constexpr int kPsi = 0;
constexpr int kFeet = 1;
constexpr double kMetersPerFoot = 0.3048;
constexpr double kCentimetersPerFoot = 30.48;
constexpr double kInchesPerFoot = 12;

// Feet of water of a pressure through the water's density and gravity.
double FeetOfWater(double psi, int type, double density, double gravity) {
  double feet = psi;
  ConvertPressureToLevel(psi, feet, type, kPsi, kFeet, density, gravity);
  return feet;
}

// How far the level lies below the reference (c - L) and the user reference, both in feet.
struct ReferencedLevel {
  double belowReference;
  double userReference;
};

ReferencedLevel ReferenceLevel(const LevelReferences& r) {
  const bool byDensity = r.density != 0;
  const bool bySpecificGravity = r.specificGravity > 0;
  const auto feet = [&](double psi) {
    return byDensity ? FeetOfWater(psi, kPressureLevelType, r.density, r.gravity)
                     : ConvertUnits(psi, kPressureLevelType, kPsi, kFeet);
  };
  double level = feet(r.psi);
  double now = 0.0;
  if (byDensity) {
    now = feet(r.nowReference);
  } else {
    if (bySpecificGravity) level /= r.specificGravity;
    now = feet(bySpecificGravity ? r.nowReference / r.specificGravity : r.nowReference);
  }
  // The user reference is taken as a pressure as well, never scaled by the specific gravity.
  const double user = feet(r.userReference);
  const double reference = r.whenToRead != 0 ? r.startOfTestReference : now;
  return {reference - level, user};
}

// Origins: PSI, NOW_REFERENCE, USER_REFERENCE, WHENTOREAD_REF, GRAVITY, SPECIFIC_GRAVITY,
// DENSITY, START_OF_TEST_REF.
LevelReferences ReadReferences(const DerivedInputs& in) {
  LevelReferences r;
  r.psi = in.numbers[0];
  r.nowReference = in.numbers[1];
  r.userReference = in.numbers[2];
  // A flag that cannot be read counts as the table's "no value" integer.
  r.whenToRead = in.flags[3];
  r.gravity = in.numbers[4];
  r.specificGravity = in.numbers[5];
  r.density = in.numbers[6];
  r.startOfTestReference = in.numbers[7];
  return r;
}

}  // namespace

double DepthBelowSurface(const LevelReferences& references) {
  const ReferencedLevel level = ReferenceLevel(references);
  return level.userReference - level.belowReference;
}

double DepthBelowTopOfCasing(const LevelReferences& references) {
  const ReferencedLevel level = ReferenceLevel(references);
  return level.belowReference + level.userReference;
}

// Origins: DENSITY, SPECIFIC_GRAVITY, GRAVITY, PSI.
std::optional<double> ComputeDepthFeet(const DerivedInputs& in) {
  const double density = in.numbers[0];
  const double psi = in.numbers[3];
  if (density != 0) return FeetOfWater(psi, in.family, density, in.numbers[2]);
  // The specific gravity is valid only when positive, so it is not tested again here.
  return ConvertUnits(psi, in.family, kPsi, kFeet) / in.numbers[1];
}

// Origin: a depth in feet.
std::optional<double> ComputeMeters(const DerivedInputs& in) {
  return in.numbers[0] * kMetersPerFoot;
}

std::optional<double> ComputeCentimeters(const DerivedInputs& in) {
  return in.numbers[0] * kCentimetersPerFoot;
}

std::optional<double> ComputeInches(const DerivedInputs& in) {
  return in.numbers[0] * kInchesPerFoot;
}

std::optional<double> ComputeSurfaceDepthFeet(const DerivedInputs& in) {
  return DepthBelowSurface(ReadReferences(in));
}

std::optional<double> ComputeCasingDepthFeet(const DerivedInputs& in) {
  return DepthBelowTopOfCasing(ReadReferences(in));
}

}  // namespace pelcon
