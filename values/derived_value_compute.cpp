#include "values/derived_value_compute.hpp"

#include <limits>

#include "values/unit_converter.hpp"

namespace pelcon {

double OriginValue(const CDataMap& result, std::string_view origin) {
  double value = std::numeric_limits<double>::quiet_NaN();
  result.GetDouble(origin, &value);
  return value;
}

std::optional<int> UnitFamilyOf(std::string_view functionName, CDataMap& result) {
  int type = 0;
  if (FetchAppliedType(functionName, type, result) == 0) return std::nullopt;
  return type;
}

int ScaleOrigin(std::string_view name, CDataMap& result, std::string_view origin, double factor) {
  return DeriveValue(name, result, [&](CDataMap& origins) -> std::optional<double> {
    return OriginValue(origins, origin) * factor;
  });
}

int ConvertOrigin(std::string_view name, CDataMap& result, std::string_view origin, int to) {
  return DeriveValue(name, result, [&](CDataMap& origins) -> std::optional<double> {
    const std::optional<int> type = UnitFamilyOf(origin, origins);
    if (!type) return std::nullopt;
    return ConvertUnits(OriginValue(origins, origin), *type, 0, to);
  });
}

}  // namespace pelcon
