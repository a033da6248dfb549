#include "values/derived_value_calculations.hpp"

#include <optional>

#include "values/derived_value_compute.hpp"
#include "values/unit_converter.hpp"

// Percent oxygen saturation of the Clark and the optical dissolved oxygen sensors.

namespace pelcon {
namespace {

constexpr int kPercentSaturation = 2;

// The concentration (mg/L) as percent saturation at the temperature `temperature`, the barometric
// pressure and the salinity; `family` names the generic value whose unit family applies.
int ComputeSaturation(std::string_view name, CDataMap& result, std::string_view family,
                      std::string_view concentration, std::string_view temperature) {
  return DeriveValue(name, result, [&](CDataMap& origins) -> std::optional<double> {
    const std::optional<int> type = UnitFamilyOf(family, origins);
    if (!type) return std::nullopt;
    return ConvertUnitsFull(OriginValue(origins, concentration), *type, 0, kPercentSaturation,
                            static_cast<float>(OriginValue(origins, temperature)),
                            static_cast<float>(OriginValue(origins, "BARO_INCHES_HG")),
                            static_cast<float>(OriginValue(origins, "CTX_SALINITY")));
  });
}

}  // namespace

int FetchOxygenSaturation(std::string_view name, CDataMap& result) {
  return ComputeSaturation(name, result, "DO_NA", "DO_MILLIGRAMS", "DEGREES_C");
}

int FetchOpticalSaturation(std::string_view name, CDataMap& result) {
  return ComputeSaturation(name, result, "OPD_MILLIGRAMS", "OPD_MILLIGRAMS", "DEGREES_C");
}

// The optical sensor's own temperature instead of the sonde's.
int FetchOpticalSaturationAtSensor(std::string_view name, CDataMap& result) {
  return ComputeSaturation(name, result, "OPD_MILLIGRAMS", "OPD_MILLIGRAMS", "COOKED_OPD_TEMP");
}

}  // namespace pelcon
