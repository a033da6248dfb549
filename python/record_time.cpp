#include "python/record_time.hpp"

#include "datalib/julian_time.hpp"

namespace pelcon::python {

std::int64_t UnixNanoseconds(double julian) {
  return MillisecondsSince1970(julian) * 1'000'000;
}

}  // namespace pelcon::python
