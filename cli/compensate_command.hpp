#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// Writes LEVEL.bin.compensated.csv for each level file; exit 0, 1 when any file failed or was
// refused, 130 when interrupted.
int RunCompensate(const jobs::CompensateOptions& options);

}  // namespace pelcon::cli
