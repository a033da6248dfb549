#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace pelcon::testing {

// The unprivileged user "nobody" of most systems.
inline constexpr uid_t kOtherUser = 65534;

inline bool IsRoot() {
  return ::geteuid() == 0;
}

// Runs body in a child process as kOtherUser and tells whether it returned true. Needs root.
// The child must not use test assertions: they would report in the wrong process.
inline bool RunAsOtherUser(const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    const bool passed = ::setgid(kOtherUser) == 0 && ::setuid(kOtherUser) == 0 && body();
    ::_exit(passed ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace pelcon::testing
