#pragma once

#include <string_view>

namespace pelcon {

class CDataMap;

// A value function writes the value of the requested name into result (plus, on the way, the
// values it fetched), sets "ErrCode"/"ErrStr", and returns 1 on success and 0 on failure. Every
// value function works on the current value dictionary of the calling thread.
using ValueFunction = int (*)(std::string_view name, CDataMap& result);

// Stores the double 0.0 under the name, reports code 1 and returns 0: the value of "ZERO" and of
// every derived value that cannot be computed and has no constant default.
int FetchZero(std::string_view name, CDataMap& result);

// A per-file constant of the attached log file (header values such as "DENSITY").
int FetchRootValue(std::string_view name, CDataMap& result);

// A stage value of the selected data record, directly ("BASE_PXD") or through the applied name
// bound to it ("PSI").
int FetchRowValue(std::string_view name, CDataMap& result);

}  // namespace pelcon
