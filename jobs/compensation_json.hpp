#pragma once

#include <nlohmann/json.hpp>

#include "compensation/level_log_compensation.hpp"
#include "jobs/compensation_run.hpp"
#include "jobs/options.hpp"

namespace pelcon::jobs {

// The compensation of a loaded level file with the barometric records as the options say:
// density and gravity are the level file's unless given (gravity also from latitude and site
// elevation). The table's error says why it was refused.
CompensationRun CompensateWithOptions(const std::string& levelPath, const LogFile& level,
                                      const std::string& barometricPath,
                                      const LogSummary& barometric,
                                      const std::vector<TimedValue>& barometricRecords,
                                      const CompensateOptions& options);

// The figures of a run's header section, as `compensate --json` reports them.
nlohmann::json CompensationJson(const CompensationRun& run);

}  // namespace pelcon::jobs
