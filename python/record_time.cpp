#include "python/record_time.hpp"

#include <chrono>

#include "datalib/calendar.hpp"

namespace pelcon::python {

std::int64_t UnixNanoseconds(double julian) {
  DateTimeRecord t;
  JulianToDateTime(julian, t);
  using namespace std::chrono;
  const sys_days day = year_month_day(year(t.year), month(t.month), std::chrono::day(t.day));
  const auto time =
      day + hours(t.hour) + minutes(t.minute) + seconds(t.second) + milliseconds(t.millisecond);
  return duration_cast<nanoseconds>(time.time_since_epoch()).count();
}

}  // namespace pelcon::python
