#pragma once

#include <string>

namespace pelcon::platform {

// Holds a machine-wide name for as long as the process lives, so a second copy of a program can
// tell that the first is running.
class SingleInstanceGuard {
 public:
  // False when another process already holds the name (or it cannot be taken).
  bool Acquire(const std::string& name);

 private:
  int handle_ = -1;  // deliberately never released: it ends with the process
};

}  // namespace pelcon::platform
