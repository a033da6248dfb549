#include "platform/output_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <utility>

namespace pelcon::platform {
namespace {

int Descriptor(std::intptr_t handle) {
  return static_cast<int>(handle);
}

// A replacement keeps the owner and the permissions of the file it replaces; a file that its own
// permissions keep from being written (0444, or another user's 0644) is not replaced, even though
// the folder would let a new file take its name.
bool MayReplace(const std::string& path, const struct stat& existing, int& error) {
  if ((existing.st_mode & 0222) == 0 ||
      ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
    error = EACCES;
    return false;
  }
  return true;
}

bool TakeOwnerAndMode(int fd, const struct stat& existing, int& error) {
  struct stat created {};
  if (::fstat(fd, &created) != 0) {
    error = errno;
    return false;
  }
  if ((created.st_uid != existing.st_uid || created.st_gid != existing.st_gid) &&
      ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
    error = errno;
    return false;
  }
  if (::fchmod(fd, existing.st_mode & 07777) != 0) {
    error = errno;
    return false;
  }
  return true;
}

// A name beside target that no other writer in this or another process uses at the same time.
std::string TemporaryName(const std::string& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  std::string::size_type slash = target.rfind('/');
  std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  return directory + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1)) + "-" + std::to_string(attempt);
}

}  // namespace

std::optional<OutputFile> OutputFile::OpenExclusive(const std::string& path, int& error) {
  // Truncating only after the lock is held keeps the first writer's data when a second one fails.
  // A symbolic link in the file's place is never followed: it could make the output clobber any
  // file of the person converting.
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = errno;
    return std::nullopt;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
    error = errno;
    ::close(fd);
    return std::nullopt;
  }
  return OutputFile(fd, {}, {});
}

std::optional<OutputFile> OutputFile::CreateReplacement(const std::string& path, int& error) {
  if (path.empty()) {
    error = ENOENT;
    return std::nullopt;
  }
  struct stat existing {};
  const bool exists = ::lstat(path.c_str(), &existing) == 0;
  if (exists && S_ISLNK(existing.st_mode)) {
    error = ELOOP;  // the rename would replace the link, not what it points to: refuse both
    return std::nullopt;
  }
  if (exists && S_ISDIR(existing.st_mode)) {
    error = EISDIR;
    return std::nullopt;
  }
  if (exists && !MayReplace(path, existing, error)) return std::nullopt;
  for (unsigned attempt = 0;; ++attempt) {
    std::string temporary = TemporaryName(path, attempt);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST && attempt < 100) continue;
      error = errno;
      return std::nullopt;
    }
    if (exists && !TakeOwnerAndMode(fd, existing, error)) {
      ::close(fd);
      ::unlink(temporary.c_str());
      return std::nullopt;
    }
    return OutputFile(fd, path, std::move(temporary));
  }
}

int OutputFile::ClosedFileError() {
  return EBADF;
}

// An exclusive file keeps what was written so far; an unfinished replacement is thrown away.
void OutputFile::Discard() {
  if (!IsOpen()) return;
  if (replacementTarget_.empty()) {
    Flush();
    ::close(Descriptor(handle_));
  } else {
    ::close(Descriptor(handle_));
    ::unlink(temporaryPath_.c_str());
  }
  handle_ = -1;
}

bool OutputFile::WriteThrough(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(Descriptor(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool OutputFile::Close() {
  if (!IsOpen()) {
    if (error_ == 0) error_ = ClosedFileError();
    return false;
  }
  bool good = Flush();
  int fd = Descriptor(std::exchange(handle_, -1));
  if (replacementTarget_.empty()) {
    if (::close(fd) != 0 && good) {
      error_ = errno;
      good = false;
    }
    return good;
  }
  // The data must be on disk before the rename makes it the file, or a crash could leave an
  // empty file in place of the old one.
  if (good && ::fsync(fd) != 0) {
    error_ = errno;
    good = false;
  }
  if (::close(fd) != 0 && good) {
    error_ = errno;
    good = false;
  }
  if (good && ::rename(temporaryPath_.c_str(), replacementTarget_.c_str()) != 0) {
    error_ = errno;
    good = false;
  }
  if (!good) ::unlink(temporaryPath_.c_str());
  return good;
}

}  // namespace pelcon::platform
