#include "values/derived_value_calculations.hpp"

#include <optional>

#include "values/derived_value_compute.hpp"
#include "values/unit_converter.hpp"

// Derived values of the conductivity family, computed from the actual conductivity (uS/cm) and
// the water temperature.

namespace pelcon {
namespace {

// Unit indices of the conductivity family.
constexpr int kDissolvedSolids = 2;
constexpr int kSalinity = 3;
constexpr int kResistivity = 4;
constexpr int kSpecificConductance = 5;

// The conductivity converted to unit `to` at the water temperature, times factor.
int ConvertConductivity(std::string_view name, CDataMap& result, int to, double factor) {
  return DeriveValue(name, result, [&](CDataMap& origins) -> std::optional<double> {
    const std::optional<int> type = UnitFamilyOf("CTX_OHMS", origins);
    if (!type) return std::nullopt;
    const double celsius = OriginValue(origins, "DEGREES_C");
    return ConvertUnitsFull(OriginValue(origins, "CTX_MICROSIEMENS"), *type, 0, to,
                            static_cast<float>(celsius), 0.0f, 0.0f) *
           factor;
  });
}

}  // namespace

int FetchSalinity(std::string_view name, CDataMap& result) {
  return ConvertConductivity(name, result, kSalinity, 1);
}

int FetchDissolvedSolids(std::string_view name, CDataMap& result) {
  return ConvertConductivity(name, result, kDissolvedSolids, 1);
}

int FetchResistance(std::string_view name, CDataMap& result) {
  return ConvertConductivity(name, result, kResistivity, 1);
}

int FetchSpecificConductance(std::string_view name, CDataMap& result) {
  return ConvertConductivity(name, result, kSpecificConductance, 1);
}

int FetchSpecificConductanceMilli(std::string_view name, CDataMap& result) {
  return ConvertConductivity(name, result, kSpecificConductance, 0.001);
}

}  // namespace pelcon
