#pragma once

#include <string>

// Device entity codes: the string resource that names a device.

namespace pelcon {

inline constexpr int kEntityUnknownTextId = 23000;

// Codes 20..28 give 23001..23009, codes 30..40 give 23010..23020, every other code (29
// included) 23000.
int EntityCodeTextId(int entityCode);

// The name of the device ("Lodax Model 1" for 20, "Unknown" for 29), from the string table.
std::string EntityCodeText(int entityCode);

}  // namespace pelcon
