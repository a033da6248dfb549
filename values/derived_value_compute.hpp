#pragma once

// The steps shared by the derived value functions: the common frame, reading origins back from
// the result map, and the one-origin conversions most derived values are.

#include <optional>
#include <string_view>

#include "datalib/data_map.hpp"
#include "values/derived_value_frame.hpp"

namespace pelcon {

// An origin the preparation left in result, as a double; NaN when it holds no double, so that a
// missing origin never passes for a measured 0.
double OriginValue(const CDataMap& result, std::string_view origin);

// The unit family (ChannelType) of a generic name; nullopt, with code 256 in result, when the name
// is none.
std::optional<int> UnitFamilyOf(std::string_view functionName, CDataMap& result);

// Fetches the value's origins, then stores compute(result) under the name and returns 1. A value
// that cannot be computed for the file takes its fallback instead; a compute that gives nullopt
// stores nothing and returns 0.
template <typename Compute>
int DeriveValue(std::string_view name, CDataMap& result, Compute compute) {
  if (PrepareDerivedValue(name, result) == 0) return FallbackDerivedValue(name, result);
  const std::optional<double> value = compute(result);
  if (!value) return 0;
  result.SetDouble(name, *value);
  return 1;
}

// The origin times a fixed factor.
int ScaleOrigin(std::string_view name, CDataMap& result, std::string_view origin, double factor);

// The origin converted by ConvertUnits from unit 0 of its own family to unit `to`.
int ConvertOrigin(std::string_view name, CDataMap& result, std::string_view origin, int to);

}  // namespace pelcon
