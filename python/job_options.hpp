#pragma once

// The options of the library's jobs from Python's keyword arguments: the same names as the
// command line's options with "_" for "-", and the same checks. ValueError for an option a job
// would refuse.

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "jobs/options.hpp"

namespace pelcon::python {

jobs::ConvertOptions ConvertOptionsFrom(const std::vector<std::string>& inputs,
                                        const pybind11::dict& options);

// depth_to_water and elevation hold "TIME=VALUE" texts.
jobs::CompensateOptions CompensateOptionsFrom(const std::string& level, const std::string& baro,
                                              const pybind11::dict& options);

}  // namespace pelcon::python
