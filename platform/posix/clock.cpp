#include "platform/clock.hpp"

#include <sys/time.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace pelcon::platform {
namespace {

bool OverriddenNow(DateTimeRecord& now) {
  const char* text = std::getenv("PELCON_NOW");
  if (text == nullptr) return false;
  unsigned year, month, day, hour, minute, second;
  char tail;
  if (std::sscanf(text, "%4u-%2u-%2u %2u:%2u:%2u%c", &year, &month, &day, &hour, &minute, &second,
                  &tail) != 6 ||
      month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
    return false;
  }
  std::tm fields{};
  fields.tm_year = static_cast<int>(year) - 1900;
  fields.tm_mon = static_cast<int>(month) - 1;
  fields.tm_mday = static_cast<int>(day);
  fields.tm_hour = 12;
  std::time_t noon = timegm(&fields);
  std::tm weekday{};
  gmtime_r(&noon, &weekday);
  now = {static_cast<std::uint16_t>(year),
         static_cast<std::uint16_t>(month),
         static_cast<std::uint16_t>(weekday.tm_wday),
         static_cast<std::uint16_t>(day),
         static_cast<std::uint16_t>(hour),
         static_cast<std::uint16_t>(minute),
         static_cast<std::uint16_t>(second),
         0};
  return true;
}

}  // namespace

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
