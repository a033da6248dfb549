#pragma once

// The multiparameter instruments (device codes 30 to 40): a header from block 102 with optional
// blocks the instrument fills in when absent, factory and user calibrations per sensor, and a
// record of the channels the test definition lists.

#include "logfile/log_family.hpp"

namespace pelcon {

const LogFamily& VortaFamily();

}  // namespace pelcon
