#pragma once

// The level loggers (device codes 20 to 28; 28 is the barometric logger): seven header blocks
// from block 100, a pressure and a temperature polynomial in block 31, and a record of the board
// temperature and one pressure.

#include "logfile/log_family.hpp"

namespace pelcon {

const LogFamily& LodaxFamily();

}  // namespace pelcon
