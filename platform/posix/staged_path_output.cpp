#include "platform/staged_path_output.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "platform/move_file.hpp"

namespace pelcon::platform {
namespace {

// Makes the file's data durable before it takes the target's name.
int SyncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

StagedPathOutput::StagedPathOutput(std::string target, std::string folder)
    : target_(std::move(target)), folder_(std::move(folder)) {
  const std::string::size_type slash = target_.rfind('/');
  path_ = folder_ + "/" + (slash == std::string::npos ? target_ : target_.substr(slash + 1));
}

std::optional<StagedPathOutput> StagedPathOutput::Create(const std::string& target, int& error) {
  const std::string::size_type slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  // mkdtemp makes the folder with mode 0700 under a name no one else holds.
  std::string pattern = folder + "." + base + ".part-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    error = errno;
    return std::nullopt;
  }
  return StagedPathOutput(target, std::move(pattern));
}

bool StagedPathOutput::Publish(bool replaceExisting) {
  if (folder_.empty()) {
    if (error_ == 0) error_ = EBADF;
    return false;
  }
  error_ = SyncFile(path_);
  if (error_ == 0) {
    if (replaceExisting) {
      if (::rename(path_.c_str(), target_.c_str()) != 0) error_ = errno;
    } else {
      MoveFileWithoutReplacing(path_, target_, error_);
    }
  }
  Remove();
  return error_ == 0;
}

// Removes the folder with whatever the library left in it (its scratch files, a partial file).
void StagedPathOutput::Remove() {
  if (folder_.empty()) return;
  if (DIR* directory = ::opendir(folder_.c_str())) {
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(directory)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(directory);
    for (const std::string& name : names) ::unlink((folder_ + "/" + name).c_str());
  }
  ::rmdir(folder_.c_str());
  folder_.clear();
}

}  // namespace pelcon::platform
