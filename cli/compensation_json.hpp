#pragma once

#include <nlohmann/json.hpp>

#include "cli/compensation_run.hpp"
#include "cli/options.hpp"
#include "compensation/level_log_compensation.hpp"

namespace pelcon::cli {

// Compensates a loaded level file with the barometric records as the options say: density and
// gravity are the level file's unless given (gravity also from latitude and site elevation).
LevelLogCompensation CompensateWithOptions(const LogFile& level,
                                           const std::vector<TimedValue>& barometric,
                                           const CompensateOptions& options);

// The figures of a run's header section, as `compensate --json` reports them.
nlohmann::json CompensationJson(const CompensationRun& run);

}  // namespace pelcon::cli
