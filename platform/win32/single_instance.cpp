#include "platform/single_instance.hpp"

#include <windows.h>

namespace pelcon::platform {

// The mutex is created owned and its handle is never closed: the name is held until the process
// ends, however it ends.
bool SingleInstanceGuard::Acquire(const std::string& name) {
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, name.c_str());
  if (mutex == nullptr) return false;
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return false;
  }
  handle_ = 1;
  return true;
}

}  // namespace pelcon::platform
