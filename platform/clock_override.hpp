#pragma once

#include "platform/date_time_record.hpp"

namespace pelcon::platform {

// The time PELCON_NOW="YYYY-MM-DD HH:MM:SS" sets in place of the system clock; false when the
// variable is absent or not such a time.
bool OverriddenNow(DateTimeRecord& now);

}  // namespace pelcon::platform
