#pragma once

#include <string_view>

namespace pelcon {

class CDataMap;

// The frame of every derived value function, on the current value dictionary:
//
//   int FetchKilopascals(std::string_view name, CDataMap& result) {
//     if (PrepareDerivedValue(name, result) == 0) return FallbackDerivedValue(name, result);
//     ... read the origins from result, compute, result.SetDouble(name, value); return 1;
//   }
//
// PrepareDerivedValue fetches the value's origins into result (each one's table default where
// its fetch fails) and returns 1; it returns 0 (code 1024 or 2048) when the value cannot be
// computed for the attached file. FallbackDerivedValue then stores the value's constant default
// and returns 1, or runs the zero function and returns 0.
int PrepareDerivedValue(std::string_view name, CDataMap& result);
int FallbackDerivedValue(std::string_view name, CDataMap& result);

// The parameter type of a generic name (the ChannelType that selects a unit family); 0 with
// code 256 in result when the name is none.
int FetchAppliedType(std::string_view name, int& type, CDataMap& result);

}  // namespace pelcon
