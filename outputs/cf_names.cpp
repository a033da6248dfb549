#include "outputs/cf_names.hpp"

#include <algorithm>
#include <array>

namespace pelcon::outputs {
namespace {

struct CfName {
  std::string_view valueName;
  CfDescription description;
};

// CF's names for water properties carry "sea_water"; ocean-observing practice uses them for
// fresh and ground water too, as CF has no separate ones for most.
constexpr std::string_view kWaterTemperature = "sea_water_temperature";
constexpr std::string_view kWaterPressure = "sea_water_pressure";
constexpr std::string_view kAirPressure = "air_pressure";
constexpr std::string_view kConductivity = "sea_water_electrical_conductivity";
constexpr std::string_view kOxygenMass = "mass_concentration_of_oxygen_in_sea_water";
constexpr std::string_view kOxygenMoles =
    "mole_concentration_of_dissolved_molecular_oxygen_in_sea_water";
constexpr std::string_view kOxygenSaturation = "fractional_saturation_of_oxygen_in_sea_water";
constexpr std::string_view kDepth = "depth";

constexpr std::array kNames{
    CfName{"DEGREES_C", {"degree_Celsius", kWaterTemperature}},
    CfName{"DEGREES_F", {"degree_Fahrenheit", kWaterTemperature}},
    CfName{"PH", {"1", "sea_water_ph_reported_on_total_scale"}},
    CfName{"ORP_VOLTS", {"V", {}}},
    CfName{"ORP_MILLIVOLTS", {"mV", {}}},
    CfName{"NH4_PPM", {"ppm", {}}},
    CfName{"CL_PPM", {"ppm", {}}},
    CfName{"NO3_PPM", {"ppm", {}}},
    CfName{"TURB_NTU_USER", {"1", "sea_water_turbidity"}},
    CfName{"BATT_V_USER", {"V", {}}},
    CfName{"DO_MILLIGRAMS", {"mg L-1", kOxygenMass}},
    CfName{"DO_MICROGRAMS", {"ug L-1", kOxygenMass}},
    CfName{"DO_MICROMOLES", {"umol L-1", kOxygenMoles}},
    CfName{"DO_PERCENTAGE", {"percent", kOxygenSaturation}},
    CfName{"OPD_MILLIGRAMS", {"mg L-1", kOxygenMass}},
    CfName{"OPD_MICROGRAMS", {"ug L-1", kOxygenMass}},
    CfName{"OPD_MICROMOLES", {"umol L-1", kOxygenMoles}},
    CfName{"OPD_PERCENTAGE", {"percent", kOxygenSaturation}},
    CfName{"CTX_MILLISIEMENS", {"mS cm-1", kConductivity}},
    CfName{"CTX_MICROSIEMENS", {"uS cm-1", kConductivity}},
    CfName{"CTX_SALINITY", {"1", "sea_water_practical_salinity"}},
    CfName{"CTX_TDS", {"mg L-1", {}}},
    CfName{"CTX_OHMS", {"ohm", {}}},
    CfName{"CTX_SPEC_COND", {"uS cm-1", {}}},
    CfName{"CTX_SPEC_COND_MIL", {"mS cm-1", {}}},
    CfName{"KPASCALS", {"kPa", kWaterPressure}},
    CfName{"PSI", {"psi", kWaterPressure}},
    CfName{"BARO_PSI", {"psi", kAirPressure}},
    CfName{"BARO_BARS", {"bar", kAirPressure}},
    CfName{"BARO_MILLIBARS", {"mbar", kAirPressure}},
    CfName{"BARO_CM_OF_H2O", {"cmH2O", kAirPressure}},
    CfName{"BARO_MM_HG", {"mmHg", kAirPressure}},
    CfName{"BARO_INCHES_HG", {"inHg", kAirPressure}},
    CfName{"DEPTH_FEET", {"ft", kDepth}},
    CfName{"DEPTH_METERS", {"m", kDepth}},
    CfName{"DEPTH_CENTIMETERS", {"cm", kDepth}},
    CfName{"DEPTH_INCHES", {"in", kDepth}},
    CfName{"DEPTH_SURFACE_FEET", {"ft", {}}},
    CfName{"DEPTH_SURFACE_METERS", {"m", {}}},
    CfName{"DEPTH_SURFACE_CENTIMETERS", {"cm", {}}},
    CfName{"DEPTH_SURFACE_INCHES", {"in", {}}},
    CfName{"DEPTH_TOC_FEET", {"ft", {}}},
    CfName{"DEPTH_TOC_METERS", {"m", {}}},
    CfName{"DEPTH_TOC_CENTIMETERS", {"cm", {}}},
    CfName{"DEPTH_TOC_INCHES", {"in", {}}},
    CfName{"ELAPSED_DAYS", {"day", {}}},
    CfName{"ELAPSED_HOURS", {"hour", {}}},
    CfName{"ELAPSED_MINUTES", {"minute", {}}},
    CfName{"ELAPSED_SECONDS", {"s", {}}},
};

}  // namespace

CfDescription CfDescriptionOf(std::string_view valueName) {
  const auto found = std::find_if(kNames.begin(), kNames.end(),
                                  [&](const CfName& name) { return name.valueName == valueName; });
  return found == kNames.end() ? CfDescription{} : found->description;
}

}  // namespace pelcon::outputs
