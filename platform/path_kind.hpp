#pragma once

#include <string>

namespace pelcon::platform {

bool IsDirectory(const std::string& path);
// Exists and is not a directory.
bool IsNonDirectoryFile(const std::string& path);

}  // namespace pelcon::platform
