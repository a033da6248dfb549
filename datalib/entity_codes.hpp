#pragma once

// Device entity codes: the string resource that names a device. The names themselves are those
// of the device families (logfile/families/).

namespace pelcon {

inline constexpr int kEntityUnknownTextId = 23000;

// Codes 20..28 give 23001..23009, codes 30..40 give 23010..23020, every other code (29
// included) 23000.
int EntityCodeTextId(int entityCode);

}  // namespace pelcon
