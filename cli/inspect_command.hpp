#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// Prints what each file's header holds; 0 when every file could be read, else 1.
int RunInspect(const jobs::InspectOptions& options);

}  // namespace pelcon::cli
