#include "platform/clock.hpp"

#include "platform/clock_override.hpp"

#include <windows.h>

namespace pelcon::platform {

DateTimeRecord LocalNow() {
  DateTimeRecord now;
  if (OverriddenNow(now)) return now;
  SYSTEMTIME local{};
  ::GetLocalTime(&local);
  return {local.wYear, local.wMonth,  local.wDayOfWeek, local.wDay,
          local.wHour, local.wMinute, local.wSecond,    local.wMilliseconds};
}

}  // namespace pelcon::platform
