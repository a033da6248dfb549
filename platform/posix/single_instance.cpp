#include "platform/single_instance.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files.hpp"

namespace pelcon::platform {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Opens the folder of this user's locks: $XDG_RUNTIME_DIR, else "tarvel-pelcon-<uid>" in the
// temporary folder, made 0700 and accepted only when it is a real folder of this user that no
// one else may enter. Returns -1 with problem set when there is none.
int OpenLockFolder(std::string& problem) {
  std::string folder = Environment("XDG_RUNTIME_DIR");
  const bool runtime = !folder.empty();
  if (!runtime) {
    const std::string temporary = Environment("TMPDIR");
    folder = (temporary.empty() ? std::string("/tmp") : temporary) + "/tarvel-pelcon-" +
             std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      problem = folder + ": " + FileErrorText(errno);
      return -1;
    }
  }
  // The runtime folder is the system's; a folder of our own in the temporary folder must not be a
  // link someone else left there.
  const int handle =
      ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (runtime ? 0 : O_NOFOLLOW));
  if (handle < 0) {
    problem = folder + ": " + FileErrorText(errno);
    return -1;
  }
  struct stat attributes {};
  if (::fstat(handle, &attributes) != 0) {
    problem = folder + ": " + FileErrorText(errno);
    ::close(handle);
    return -1;
  }
  if (!runtime && (attributes.st_uid != ::geteuid() || (attributes.st_mode & 077) != 0)) {
    problem = folder + " is not a private folder of this user";
    ::close(handle);
    return -1;
  }
  return handle;
}

}  // namespace

InstanceLock SingleInstanceGuard::Acquire(const std::string& name) {
  const int folder = OpenLockFolder(problem_);
  if (folder < 0) return InstanceLock::kUnavailable;
  const std::string file = name + ".lock";
  const int handle =
      ::openat(folder, file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  const int openError = errno;
  ::close(folder);
  if (handle < 0) {
    problem_ = file + ": " + FileErrorText(openError);
    return InstanceLock::kUnavailable;
  }
  if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
    const int lockError = errno;
    ::close(handle);
    if (lockError == EWOULDBLOCK) return InstanceLock::kHeldByAnother;
    problem_ = file + ": " + FileErrorText(lockError);
    return InstanceLock::kUnavailable;
  }
  handle_ = handle;
  return InstanceLock::kAcquired;
}

}  // namespace pelcon::platform
