#pragma once

#include "platform/date_time_record.hpp"

namespace pelcon::platform {

// The local date and time. PELCON_NOW="YYYY-MM-DD HH:MM:SS" replaces the system clock everywhere
// the converter reads it, so output that contains "now" can be reproduced.
DateTimeRecord LocalNow();

}  // namespace pelcon::platform
