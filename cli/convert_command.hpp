#pragma once

#include "cli/options.hpp"

namespace pelcon::cli {

// Converts every input; 0 when all succeeded, 1 when any failed, 130 when interrupted (after
// removing every unfinished output).
int RunConvert(const ConvertOptions& options);

}  // namespace pelcon::cli
