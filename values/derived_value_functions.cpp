#include "values/derived_value_functions.hpp"

#include <array>

namespace pelcon {
namespace {

// A derived value whose computation is not written yet answers as one that cannot be computed:
// FetchZero. Replacing FetchZero by the value's function is all it takes to register it.
constexpr std::array<DerivedValueFunction, 40> kDerivedValueFunctions{{
    {"GRAVITY", FetchZero},
    {"ELAPSED_DAYS", FetchZero},
    {"ELAPSED_HOURS", FetchZero},
    {"ELAPSED_MINUTES", FetchZero},
    {"ELAPSED_SECONDS", FetchZero},
    {"DEGREES_F", FetchZero},
    {"KPASCALS", FetchZero},
    {"CTX_MILLISIEMENS", FetchZero},
    {"CTX_SALINITY", FetchZero},
    {"CTX_TDS", FetchZero},
    {"CTX_RESISTANCE", FetchZero},
    {"CTX_SPEC_COND", FetchZero},
    {"CTX_SPEC_COND_MIL", FetchZero},
    {"BARO_BARS", FetchZero},
    {"BARO_MILLIBARS", FetchZero},
    {"BARO_CM_OF_H2O", FetchZero},
    {"BARO_MM_HG", FetchZero},
    {"BARO_INCHES_HG", FetchZero},
    {"ORP_VOLTS", FetchZero},
    {"DEPTH_FEET", FetchZero},
    {"DEPTH_METERS", FetchZero},
    {"DEPTH_CENTIMETERS", FetchZero},
    {"DEPTH_INCHES", FetchZero},
    {"DEPTH_SURFACE_FEET", FetchZero},
    {"DEPTH_SURFACE_METERS", FetchZero},
    {"DEPTH_SURFACE_CENTIMETERS", FetchZero},
    {"DEPTH_SURFACE_INCHES", FetchZero},
    {"DEPTH_TOC_FEET", FetchZero},
    {"DEPTH_TOC_METERS", FetchZero},
    {"DEPTH_TOC_CENTIMETERS", FetchZero},
    {"DEPTH_TOC_INCHES", FetchZero},
    // Ammonia is never computed.
    {"NH3_MV", FetchZero},
    {"NH3_MG_L", FetchZero},
    {"DO_MICROGRAMS", FetchZero},
    {"DO_MICROMOLES", FetchZero},
    {"DO_PERCENTAGE", FetchZero},
    {"OPD_MICROGRAMS", FetchZero},
    {"OPD_MICROMOLES", FetchZero},
    {"OPD_PERCENTAGE", FetchZero},
    {"OPD_PERCENTAGE_SENSOR", FetchZero},
}};

}  // namespace

std::span<const DerivedValueFunction> DerivedValueFunctions() {
  return kDerivedValueFunctions;
}

}  // namespace pelcon
