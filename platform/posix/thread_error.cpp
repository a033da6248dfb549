#include "platform/thread_error.hpp"

#include <cerrno>

namespace pelcon::platform {

void SetThreadError(int error) {
  errno = error;
}

int ThreadError() {
  return errno;
}

}  // namespace pelcon::platform
