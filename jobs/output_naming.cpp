#include "jobs/output_naming.hpp"

#include "export/path_names.hpp"
#include "platform/path_separator.hpp"

namespace pelcon::jobs {
namespace {

void ReplaceAll(std::string& text, const std::string& key, const std::string& value) {
  for (std::string::size_type at = 0; (at = text.find(key, at)) != std::string::npos;) {
    text.replace(at, key.size(), value);
    at += value.size();
  }
}

}  // namespace

std::string OutputPathFor(const std::string& input, const std::string& outputDirectory,
                          const std::string& pattern) {
  std::string::size_type slash = input.size();
  while (slash > 0 && !IsPathSeparator(input[slash - 1])) --slash;
  const std::string name = input.substr(slash);
  const std::string::size_type dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  std::string fileName = pattern;
  ReplaceAll(fileName, "{name}", name);
  ReplaceAll(fileName, "{stem}", stem);
  if (outputDirectory.empty()) return input.substr(0, slash) + fileName;
  std::string path = outputDirectory;
  if (!IsPathSeparator(path.back())) path += platform::kPathSeparator;
  return path + fileName;
}

}  // namespace pelcon::jobs
