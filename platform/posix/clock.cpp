#include "platform/clock.hpp"

#include "platform/clock_override.hpp"

#include <sys/time.h>
#include <ctime>

namespace pelcon::platform {

DateTimeRecord LocalNow() {
  DateTimeRecord now;
  if (OverriddenNow(now)) return now;
  timeval clock{};
  gettimeofday(&clock, nullptr);
  std::tm local{};
  localtime_r(&clock.tv_sec, &local);
  return {static_cast<std::uint16_t>(local.tm_year + 1900),
          static_cast<std::uint16_t>(local.tm_mon + 1),
          static_cast<std::uint16_t>(local.tm_wday),
          static_cast<std::uint16_t>(local.tm_mday),
          static_cast<std::uint16_t>(local.tm_hour),
          static_cast<std::uint16_t>(local.tm_min),
          static_cast<std::uint16_t>(local.tm_sec),
          static_cast<std::uint16_t>(clock.tv_usec / 1000)};
}

}  // namespace pelcon::platform
