#include "platform/move_file.hpp"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace pelcon::platform {
namespace {

// Across file systems a rename is impossible: copy into a destination created exclusively, then
// remove the source only once the copy is complete.
bool CopyThenRemove(const std::string& from, const std::string& to, int& error) {
  const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) {
    error = errno;
    return false;
  }
  const int target = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (target < 0) {
    error = errno;
    ::close(source);
    return false;
  }
  char buffer[1 << 16];
  bool copied = true;
  for (;;) {
    const ssize_t got = ::read(source, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      copied = false;
      break;
    }
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(target, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0) {
        if (errno == EINTR) continue;
        error = errno;
        copied = false;
        break;
      }
      done += put;
    }
    if (!copied) break;
  }
  ::close(source);
  if (::close(target) != 0 && copied) {
    error = errno;
    copied = false;
  }
  if (!copied) {
    ::unlink(to.c_str());
    return false;
  }
  if (::unlink(from.c_str()) != 0) {
    error = errno;
    return false;
  }
  return true;
}

}  // namespace

bool MoveFileWithoutReplacing(const std::string& from, const std::string& to, int& error) {
  // A hard link fails when the destination exists, so nothing is ever replaced.
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) != 0) {
      error = errno;
      ::unlink(to.c_str());
      return false;
    }
    return true;
  }
  if (errno == EXDEV || errno == EPERM) return CopyThenRemove(from, to, error);
  error = errno;
  return false;
}

}  // namespace pelcon::platform
