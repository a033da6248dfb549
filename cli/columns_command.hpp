#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// Lists the columns (with a file: whether it can supply each); 0, or 1 when the file cannot be
// read.
int RunColumns(const jobs::ColumnsOptions& options);

}  // namespace pelcon::cli
