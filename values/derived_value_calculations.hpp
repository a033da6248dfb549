#pragma once

// The functions of the derived values: each one reads its origins through the current value
// dictionary and stores its value as a double under the requested name (value function
// signature, see value_functions.hpp). Units follow the names.

#include <cstdint>
#include <string_view>

namespace pelcon {

class CDataMap;

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

// "GRAVITY", "ELAPSED_DAYS", "ELAPSED_HOURS", "ELAPSED_MINUTES", "ELAPSED_SECONDS".
int FetchGravity(std::string_view name, CDataMap& result);
int FetchElapsedDays(std::string_view name, CDataMap& result);
int FetchElapsedHours(std::string_view name, CDataMap& result);
int FetchElapsedMinutes(std::string_view name, CDataMap& result);
int FetchElapsedSeconds(std::string_view name, CDataMap& result);

// "DEGREES_F", "KPASCALS", "BARO_BARS", "BARO_MILLIBARS", "BARO_CM_OF_H2O", "BARO_MM_HG",
// "BARO_INCHES_HG", "ORP_VOLTS".
int FetchDegreesFahrenheit(std::string_view name, CDataMap& result);
int FetchKilopascals(std::string_view name, CDataMap& result);
int FetchBarometricBars(std::string_view name, CDataMap& result);
int FetchBarometricMillibars(std::string_view name, CDataMap& result);
int FetchBarometricCmOfWater(std::string_view name, CDataMap& result);
int FetchBarometricMmHg(std::string_view name, CDataMap& result);
int FetchBarometricInchesHg(std::string_view name, CDataMap& result);
int FetchOrpVolts(std::string_view name, CDataMap& result);

// "CTX_MILLISIEMENS", "CTX_SALINITY", "CTX_TDS", "CTX_RESISTANCE", "CTX_SPEC_COND",
// "CTX_SPEC_COND_MIL".
int FetchMillisiemens(std::string_view name, CDataMap& result);
int FetchSalinity(std::string_view name, CDataMap& result);
int FetchDissolvedSolids(std::string_view name, CDataMap& result);
int FetchResistance(std::string_view name, CDataMap& result);
int FetchSpecificConductance(std::string_view name, CDataMap& result);
int FetchSpecificConductanceMilli(std::string_view name, CDataMap& result);

// "DO_MICROGRAMS", "DO_MICROMOLES", "DO_PERCENTAGE", "OPD_MICROGRAMS", "OPD_MICROMOLES",
// "OPD_PERCENTAGE", "OPD_PERCENTAGE_SENSOR".
int FetchOxygenMicrograms(std::string_view name, CDataMap& result);
int FetchOxygenMicromoles(std::string_view name, CDataMap& result);
int FetchOxygenSaturation(std::string_view name, CDataMap& result);
int FetchOpticalMicrograms(std::string_view name, CDataMap& result);
int FetchOpticalMicromoles(std::string_view name, CDataMap& result);
int FetchOpticalSaturation(std::string_view name, CDataMap& result);
int FetchOpticalSaturationAtSensor(std::string_view name, CDataMap& result);

// "DEPTH_FEET", "DEPTH_METERS", "DEPTH_CENTIMETERS", "DEPTH_INCHES" and the same four of
// "DEPTH_SURFACE_" and "DEPTH_TOC_".
int FetchDepthFeet(std::string_view name, CDataMap& result);
int FetchDepthMeters(std::string_view name, CDataMap& result);
int FetchDepthCentimeters(std::string_view name, CDataMap& result);
int FetchDepthInches(std::string_view name, CDataMap& result);
int FetchSurfaceDepthFeet(std::string_view name, CDataMap& result);
int FetchSurfaceDepthMeters(std::string_view name, CDataMap& result);
int FetchSurfaceDepthCentimeters(std::string_view name, CDataMap& result);
int FetchSurfaceDepthInches(std::string_view name, CDataMap& result);
int FetchCasingDepthFeet(std::string_view name, CDataMap& result);
int FetchCasingDepthMeters(std::string_view name, CDataMap& result);
int FetchCasingDepthCentimeters(std::string_view name, CDataMap& result);
int FetchCasingDepthInches(std::string_view name, CDataMap& result);

}  // namespace pelcon
