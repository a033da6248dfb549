#include "jobs/options.hpp"

#include <charconv>

#include "compensation/log_records.hpp"
#include "datalib/date_time_value.hpp"

namespace pelcon::jobs {

std::optional<TimedValue> ParseReading(std::string_view text) {
  const std::string_view::size_type equals = text.rfind('=');
  if (equals == std::string_view::npos || equals + 1 >= text.size()) return std::nullopt;
  DateTimeValue time;
  double value = 0.0;
  const char* end = text.data() + text.size();
  if (!ParseDateTimeText(text.substr(0, equals), time) ||
      std::from_chars(text.data() + equals + 1, end, value).ptr != end) {
    return std::nullopt;
  }
  constexpr double kJulianOfDayZero = 2415018.5;  // 30 December 1899, midnight
  return TimedValue{JulianSeconds(time.days + kJulianOfDayZero), value};
}

}  // namespace pelcon::jobs
