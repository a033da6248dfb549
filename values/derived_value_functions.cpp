#include "values/derived_value_functions.hpp"

#include <array>

#include "values/derived_value_calculations.hpp"

namespace pelcon {
namespace {

constexpr std::array<DerivedValueFunction, 40> kDerivedValueFunctions{{
    {"GRAVITY", FetchGravity},
    {"ELAPSED_DAYS", FetchElapsedDays},
    {"ELAPSED_HOURS", FetchElapsedHours},
    {"ELAPSED_MINUTES", FetchElapsedMinutes},
    {"ELAPSED_SECONDS", FetchElapsedSeconds},
    {"DEGREES_F", FetchDegreesFahrenheit},
    {"KPASCALS", FetchKilopascals},
    {"CTX_MILLISIEMENS", FetchMillisiemens},
    {"CTX_SALINITY", FetchSalinity},
    {"CTX_TDS", FetchDissolvedSolids},
    {"CTX_RESISTANCE", FetchResistance},
    {"CTX_SPEC_COND", FetchSpecificConductance},
    {"CTX_SPEC_COND_MIL", FetchSpecificConductanceMilli},
    {"BARO_BARS", FetchBarometricBars},
    {"BARO_MILLIBARS", FetchBarometricMillibars},
    {"BARO_CM_OF_H2O", FetchBarometricCmOfWater},
    {"BARO_MM_HG", FetchBarometricMmHg},
    {"BARO_INCHES_HG", FetchBarometricInchesHg},
    {"ORP_VOLTS", FetchOrpVolts},
    {"DEPTH_FEET", FetchDepthFeet},
    {"DEPTH_METERS", FetchDepthMeters},
    {"DEPTH_CENTIMETERS", FetchDepthCentimeters},
    {"DEPTH_INCHES", FetchDepthInches},
    {"DEPTH_SURFACE_FEET", FetchSurfaceDepthFeet},
    {"DEPTH_SURFACE_METERS", FetchSurfaceDepthMeters},
    {"DEPTH_SURFACE_CENTIMETERS", FetchSurfaceDepthCentimeters},
    {"DEPTH_SURFACE_INCHES", FetchSurfaceDepthInches},
    {"DEPTH_TOC_FEET", FetchCasingDepthFeet},
    {"DEPTH_TOC_METERS", FetchCasingDepthMeters},
    {"DEPTH_TOC_CENTIMETERS", FetchCasingDepthCentimeters},
    {"DEPTH_TOC_INCHES", FetchCasingDepthInches},
    // Ammonia is never computed.
    {"NH3_MV", FetchZero},
    {"NH3_MG_L", FetchZero},
    {"DO_MICROGRAMS", FetchOxygenMicrograms},
    {"DO_MICROMOLES", FetchOxygenMicromoles},
    {"DO_PERCENTAGE", FetchOxygenSaturation},
    {"OPD_MICROGRAMS", FetchOpticalMicrograms},
    {"OPD_MICROMOLES", FetchOpticalMicromoles},
    {"OPD_PERCENTAGE", FetchOpticalSaturation},
    {"OPD_PERCENTAGE_SENSOR", FetchOpticalSaturationAtSensor},
}};

}  // namespace

std::span<const DerivedValueFunction> DerivedValueFunctions() {
  return kDerivedValueFunctions;
}

}  // namespace pelcon
