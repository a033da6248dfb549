#include "platform/thread_error.hpp"

#include <windows.h>

namespace pelcon::platform {

void SetThreadError(int error) {
  ::SetLastError(static_cast<DWORD>(error));
}

int ThreadError() {
  return static_cast<int>(::GetLastError());
}

}  // namespace pelcon::platform
