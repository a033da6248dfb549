#pragma once

#include <string>

namespace pelcon::platform {

// True when the file system reports attributes for the path; a directory counts.
bool FileExists(const std::string& path);

// Reads the whole file into bytes. On failure returns false with the platform's error code in
// error; a directory fails as a file that cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, int& error);

// The platform's own description of a file error code, for messages ("Permission denied").
std::string FileErrorText(int error);

}  // namespace pelcon::platform
