#include "jobs/input_discovery.hpp"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "datalib/text_helpers.hpp"
#include "export/path_names.hpp"

namespace pelcon::jobs {
namespace {

namespace fs = std::filesystem;

bool IsLogFileName(const fs::path& path) {
  return EqualsNoCase(ExtensionOf(path.filename().string()), "bin");
}

// The log files of one folder, sorted; an unreadable folder is an input error.
void AddFolder(const fs::path& folder, bool recursive, std::vector<InputFile>& out) {
  std::vector<std::string> found;
  std::error_code error;
  const auto add = [&](const fs::directory_entry& entry) {
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && IsLogFileName(entry.path())) {
      found.push_back(entry.path().string());
    }
  };
  if (recursive) {
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      add(*it);
    }
  } else {
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      add(*it);
    }
  }
  if (error) {
    out.push_back({folder.string(), "cannot list the folder: " + error.message()});
    return;
  }
  std::sort(found.begin(), found.end());
  for (std::string& path : found) out.push_back({std::move(path), {}});
}

}  // namespace

std::vector<InputFile> DiscoverInputs(const std::vector<std::string>& inputs, bool recursive) {
  std::vector<InputFile> all;
  for (const std::string& input : inputs) {
    std::error_code error;
    const fs::file_status status = fs::status(input, error);
    if (fs::is_directory(status)) {
      AddFolder(input, recursive, all);
    } else if (fs::is_regular_file(status)) {
      all.push_back({input, {}});
    } else if (fs::exists(status)) {
      all.push_back({input, "neither a file nor a folder"});
    } else {
      all.push_back({input, "no such file or folder"});
    }
  }
  std::set<std::string> seen;
  std::vector<InputFile> unique;
  for (InputFile& file : all) {
    if (seen.insert(file.path).second) unique.push_back(std::move(file));
  }
  return unique;
}

}  // namespace pelcon::jobs
