#pragma once

#include <string>

namespace pelcon {
class LogFileReader;
}

namespace pelcon::jobs {

// Opens a log file for conversion or inspection. False with the reason in error when the file
// cannot be read, is not a log file, or is one the converter cannot use.
bool OpenLogFile(const std::string& path, LogFileReader& reader, std::string& error);

}  // namespace pelcon::jobs
