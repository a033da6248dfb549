#pragma once

#include <string>

namespace pelcon::platform {

enum class InstanceLock {
  kAcquired,
  kHeldByAnother,  // another process of this user holds the name
  kUnavailable,    // the lock cannot be taken at all; that says nothing about other copies
};

// Holds a name for this user for as long as the process lives, so a second copy of a program can
// tell that the first is running. Other users' copies never count.
class SingleInstanceGuard {
 public:
  InstanceLock Acquire(const std::string& name);

  // Why the lock was unavailable, for a message.
  const std::string& Problem() const { return problem_; }

 private:
  int handle_ = -1;  // deliberately never released: it ends with the process
  std::string problem_;
};

}  // namespace pelcon::platform
