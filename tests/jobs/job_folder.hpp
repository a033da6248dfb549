#pragma once

// A scratch folder for the jobs' inputs and outputs, with settings of its own so that no default
// template of the user's changes what a job writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon::jobs::testing {

class JobFolder {
 public:
  std::string File(std::string_view name) const { return scratch_.File(name); }

  // Writes a log file made by the builder and returns its path.
  std::string WriteLog(std::string_view name, const test_support::LogFileDescription& log) const {
    const std::string path = File(name);
    EXPECT_TRUE(test_support::WriteFile(path, test_support::Build(log))) << path;
    return path;
  }

  // The names in a folder of it ("" for itself), sorted.
  std::vector<std::string> Listing(std::string_view folder = {}) const {
    return scratch_.Names(folder);
  }

 private:
  pelcon::testing::ScratchDirectory scratch_;
  pelcon::testing::ScopedEnvironment registry_{"PELCON_REGISTRY", scratch_.File("registry.reg")};
};

// The lines of a file with CR LF line ends.
inline std::vector<std::string> CrLfLines(const std::string& path) {
  std::vector<std::string> lines;
  std::string text = pelcon::testing::ReadBytes(path);
  for (std::size_t end; (end = text.find("\r\n")) != text.npos;) {
    lines.push_back(text.substr(0, end));
    text.erase(0, end + 2);
  }
  EXPECT_EQ(text, "") << path << " ends without a line end";
  return lines;
}

}  // namespace pelcon::jobs::testing
