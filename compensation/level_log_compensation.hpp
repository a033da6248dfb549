#pragma once

#include <optional>
#include <vector>

#include "compensation/compensation_table.hpp"

namespace pelcon {

class LogFile;

struct LevelLogCompensation {
  CompensationSettings settings;  // as used, density and gravity included
  CompensationTable table;        // its error is set when the file is refused
};

// Compensates a loaded level file with a barometric record (ReadBarometricRecords): the one call
// of the command line, the Python module and the dialog. Density and gravity given as nothing
// are the level file's own (LevelFileConstantsOf); the density is ignored when the settings take
// it from each record's temperature.
LevelLogCompensation CompensateLevelLog(const LogFile& level,
                                        const std::vector<TimedValue>& barometric,
                                        CompensationSettings settings,
                                        std::optional<double> densityKgPerM3,
                                        std::optional<double> gravity);

}  // namespace pelcon
