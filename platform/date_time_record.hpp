#pragma once

#include <cstdint>

namespace pelcon {

// A calendar date-time in the field order of the platform's system-time record, so that values
// pass between the two unchanged.
struct DateTimeRecord {
  std::uint16_t year = 0;
  std::uint16_t month = 0;      // 1..12
  std::uint16_t dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
  std::uint16_t day = 0;        // 1..31
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t millisecond = 0;
};

}  // namespace pelcon
