#include "platform/single_instance.hpp"

#include <windows.h>

#include "platform/win32/system_text.hpp"

namespace pelcon::platform {

// The mutex lives in the session's own namespace, so another user's copy never counts. It is
// created owned and its handle is never closed: the name is held until the process ends, however
// it ends.
InstanceLock SingleInstanceGuard::Acquire(const std::string& name) {
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, name.c_str());
  if (mutex == nullptr) {
    problem_ = name + ": " + SystemErrorText(::GetLastError());
    return InstanceLock::kUnavailable;
  }
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return InstanceLock::kHeldByAnother;
  }
  handle_ = 1;
  return InstanceLock::kAcquired;
}

}  // namespace pelcon::platform
