#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelcon::launcher {

// Where a launcher's messages go: pelcon writes lines on stdout and stderr, Pelcon.exe shows
// message boxes.
class LauncherOutput {
 public:
  virtual ~LauncherOutput() = default;
  // A failure or warning: its lines belong together.
  virtual void Error(const std::vector<std::string>& lines) = 0;
  // Text that was asked for: the usage, the version.
  virtual void Information(std::string_view text) = 0;
};

}  // namespace pelcon::launcher
