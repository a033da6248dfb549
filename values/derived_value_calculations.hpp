#pragma once

// The arithmetic of the derived values.

#include <cstdint>
#include <optional>

#include "values/derived_formula.hpp"

namespace pelcon {

// Gravity (m/s2) from latitude (degrees) and elevation (m); 9.80665 when the formula leaves the
// range 9.74 to 9.84 or the latitude lies beyond the poles.
double GravityAt(double latitude, double elevation);

// What a level below a reference is computed from: the pressure (psi), the references, the
// when-to-read flag (nonzero: the start-of-test reference counts, as it is), gravity (m/s2),
// specific gravity and density (g/cm3; 0 means "use the specific gravity").
struct LevelReferences {
  double psi = 0.0;
  double nowReference = 0.0;
  double userReference = 0.0;
  std::int32_t whenToRead = 0;
  double gravity = 0.0;
  double specificGravity = 0.0;
  double density = 0.0;
  double startOfTestReference = 0.0;
};

// Feet below the surface and below the top of the casing.
double DepthBelowSurface(const LevelReferences& references);
double DepthBelowTopOfCasing(const LevelReferences& references);

// The formulas of the derived values, over their origins in table order (see derived_formula.hpp).
// Units follow the names.

// "GRAVITY", "ELAPSED_DAYS", "ELAPSED_HOURS", "ELAPSED_MINUTES", "ELAPSED_SECONDS".
std::optional<double> ComputeGravity(const DerivedInputs& in);
std::optional<double> ComputeElapsedDays(const DerivedInputs& in);
std::optional<double> ComputeElapsedHours(const DerivedInputs& in);
std::optional<double> ComputeElapsedMinutes(const DerivedInputs& in);
std::optional<double> ComputeElapsedSeconds(const DerivedInputs& in);

// "DEGREES_F", "KPASCALS", "BARO_BARS", "BARO_MILLIBARS", "BARO_CM_OF_H2O", "BARO_MM_HG",
// "BARO_INCHES_HG", "ORP_VOLTS", "CTX_MILLISIEMENS", "DO_MICROGRAMS", "DO_MICROMOLES",
// "OPD_MICROGRAMS", "OPD_MICROMOLES".
std::optional<double> ComputeDegreesFahrenheit(const DerivedInputs& in);
std::optional<double> ComputeKilopascals(const DerivedInputs& in);
std::optional<double> ComputeBarometricBars(const DerivedInputs& in);
std::optional<double> ComputeBarometricMillibars(const DerivedInputs& in);
std::optional<double> ComputeBarometricCmOfWater(const DerivedInputs& in);
std::optional<double> ComputeBarometricMmHg(const DerivedInputs& in);
std::optional<double> ComputeBarometricInchesHg(const DerivedInputs& in);
// "ORP_VOLTS" and "CTX_MILLISIEMENS".
std::optional<double> ComputeThousandths(const DerivedInputs& in);
std::optional<double> ComputeOxygenMicrograms(const DerivedInputs& in);
std::optional<double> ComputeOxygenMicromoles(const DerivedInputs& in);

// "CTX_SALINITY", "CTX_TDS", "CTX_RESISTANCE", "CTX_SPEC_COND", "CTX_SPEC_COND_MIL".
std::optional<double> ComputeSalinity(const DerivedInputs& in);
std::optional<double> ComputeDissolvedSolids(const DerivedInputs& in);
std::optional<double> ComputeResistance(const DerivedInputs& in);
std::optional<double> ComputeSpecificConductance(const DerivedInputs& in);
std::optional<double> ComputeSpecificConductanceMilli(const DerivedInputs& in);

// "DO_PERCENTAGE", "OPD_PERCENTAGE", "OPD_PERCENTAGE_SENSOR".
std::optional<double> ComputeSaturation(const DerivedInputs& in);

// "DEPTH_FEET", "DEPTH_METERS", "DEPTH_CENTIMETERS", "DEPTH_INCHES" (the meters, centimeters
// and inches of "DEPTH_SURFACE_" and "DEPTH_TOC_" too: each is its feet scaled), and the feet
// below the surface and the top of the casing.
std::optional<double> ComputeDepthFeet(const DerivedInputs& in);
std::optional<double> ComputeMeters(const DerivedInputs& in);
std::optional<double> ComputeCentimeters(const DerivedInputs& in);
std::optional<double> ComputeInches(const DerivedInputs& in);
std::optional<double> ComputeSurfaceDepthFeet(const DerivedInputs& in);
std::optional<double> ComputeCasingDepthFeet(const DerivedInputs& in);

}  // namespace pelcon
