#pragma once

#include "cli/options.hpp"

namespace pelcon::cli {

// Lists the columns (with a file: whether it can supply each); 0, or 1 when the file cannot be
// read.
int RunColumns(const ColumnsOptions& options);

}  // namespace pelcon::cli
