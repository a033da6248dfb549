#pragma once

#include <span>
#include <string>
#include <vector>

#include "plan/conversion_plan.hpp"

namespace pelcon {

class LogFile;

// The columns of an export template as a plan asks for them: each entry (a display name, letter
// case ignored) mapped to its value, and the site columns to the file's test and unit names.
std::vector<PlanColumnRequest> TemplateColumnRequests(const LogFile& log,
                                                      std::span<const std::string> entries);

}  // namespace pelcon
