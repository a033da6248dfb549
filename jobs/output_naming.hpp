#pragma once

#include <string>

namespace pelcon::jobs {

// The output of a log file: the pattern with "{name}" replaced by the log file's name and
// "{stem}" by that name without its extension, in the output folder or, when that is empty,
// beside the log file.
std::string OutputPathFor(const std::string& input, const std::string& outputDirectory,
                          const std::string& pattern);

}  // namespace pelcon::jobs
