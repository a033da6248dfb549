#include "platform/single_instance.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cstdlib>

namespace pelcon::platform {

bool SingleInstanceGuard::Acquire(const std::string& name) {
  const char* directory = std::getenv("XDG_RUNTIME_DIR");
  if (directory == nullptr || *directory == '\0') directory = std::getenv("TMPDIR");
  if (directory == nullptr || *directory == '\0') directory = "/tmp";
  const std::string path = std::string(directory) + "/" + name + ".lock";
  const int handle = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (handle < 0) return false;
  if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
    ::close(handle);
    return false;
  }
  handle_ = handle;
  return true;
}

}  // namespace pelcon::platform
