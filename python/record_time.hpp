#pragma once

#include <cstdint>

namespace pelcon::python {

// A record time (Julian date, logger clock) as nanoseconds since 1970-01-01 00:00, through the
// calendar the CSV writers use, so that an index and a CSV file agree to the millisecond.
std::int64_t UnixNanoseconds(double julian);

}  // namespace pelcon::python
