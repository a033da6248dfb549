#include "platform/staged_output.hpp"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace pelcon::platform {
namespace {

int Descriptor(std::intptr_t handle) {
  return static_cast<int>(handle);
}

std::string FolderOf(const std::string& target) {
  const std::string::size_type slash = target.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : target.substr(0, slash);
}

// A hidden name beside target that no other writer in this or another process uses.
std::string HiddenName(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::string::size_type slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + base + ".part-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
}

// The path through which an unnamed file can be given a name.
std::string DescriptorPath(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

// Gives the staged data the target's name without replacing anything there. A link fails when
// the target exists; file systems without hard links (FAT) get an exclusive rename instead.
bool PlaceWithoutReplacing(const std::string& staging, const std::string& target, int& error) {
  if (::link(staging.c_str(), target.c_str()) == 0) {
    ::unlink(staging.c_str());
    return true;
  }
  if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) {
    error = errno;
    return false;
  }
  if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  error = errno;
  return false;
}

}  // namespace

std::optional<StagedOutput> StagedOutput::Create(const std::string& target, int& error) {
  // An unnamed file in the target's folder: nothing at all remains after a crash.
  int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) return StagedOutput(fd, target, {});
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    error = errno;
    return std::nullopt;
  }
  for (int attempt = 0;; ++attempt) {
    std::string staging = HiddenName(target);
    fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return StagedOutput(fd, target, std::move(staging));
    if (errno != EEXIST || attempt == 100) {
      error = errno;
      return std::nullopt;
    }
  }
}

bool StagedOutput::Write(std::string_view bytes) {
  if (error_ != 0) return false;
  if (!IsOpen()) {
    error_ = EBADF;
    return false;
  }
  while (!bytes.empty()) {
    const ssize_t written = ::write(Descriptor(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool StagedOutput::Publish(bool replaceExisting) {
  if (!IsOpen()) {
    if (error_ == 0) error_ = EBADF;
    return false;
  }
  const int fd = Descriptor(handle_);
  // The data must be on disk before it takes the name, or a crash could leave an empty file.
  if (error_ == 0 && ::fsync(fd) != 0) error_ = errno;
  if (error_ == 0) {
    std::string staging = stagingPath_;
    if (staging.empty()) {
      // Name the unnamed file: directly at the target, or at a hidden name to rename from.
      const std::string name = replaceExisting ? HiddenName(target_) : target_;
      if (::linkat(AT_FDCWD, DescriptorPath(fd).c_str(), AT_FDCWD, name.c_str(),
                   AT_SYMLINK_FOLLOW) != 0) {
        error_ = errno;
      } else {
        staging = name;
      }
    }
    if (error_ == 0 && staging != target_) {
      if (replaceExisting) {
        if (::rename(staging.c_str(), target_.c_str()) != 0) error_ = errno;
      } else {
        PlaceWithoutReplacing(staging, target_, error_);
      }
      if (error_ != 0) ::unlink(staging.c_str());
    }
  }
  if (::close(fd) != 0 && error_ == 0) error_ = errno;
  handle_ = -1;
  if (error_ != 0 && !stagingPath_.empty()) ::unlink(stagingPath_.c_str());
  return error_ == 0;
}

void StagedOutput::Discard() {
  if (!IsOpen()) return;
  ::close(Descriptor(handle_));
  handle_ = -1;
  if (!stagingPath_.empty()) ::unlink(stagingPath_.c_str());
}

bool IsExistsError(int error) {
  return error == EEXIST;
}

}  // namespace pelcon::platform
