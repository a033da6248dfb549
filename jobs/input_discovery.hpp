#pragma once

#include <string>
#include <vector>

namespace pelcon::jobs {

// One input of a conversion: a log file to convert, or a named input that is neither a file nor
// a folder (error says why).
struct InputFile {
  std::string path;
  std::string error;
};

// The log files the inputs name: named files as they are, and the ".bin" files of named folders
// (with recursive, of their subfolders too), in name order. Each file comes once.
std::vector<InputFile> DiscoverInputs(const std::vector<std::string>& inputs, bool recursive);

}  // namespace pelcon::jobs
