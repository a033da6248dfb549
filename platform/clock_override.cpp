#include "platform/clock_override.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace pelcon::platform {

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
  const std::chrono::weekday weekday{
      std::chrono::sys_days{std::chrono::year{static_cast<int>(year)} / std::chrono::month{month} /
                            std::chrono::day{day}}};
  now = {static_cast<std::uint16_t>(year),
         static_cast<std::uint16_t>(month),
         static_cast<std::uint16_t>(weekday.c_encoding()),
         static_cast<std::uint16_t>(day),
         static_cast<std::uint16_t>(hour),
         static_cast<std::uint16_t>(minute),
         static_cast<std::uint16_t>(second),
         0};
  return true;
}

}  // namespace pelcon::platform
