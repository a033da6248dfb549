#include "platform/staged_path_output.hpp"

#include <windows.h>

#include <utility>

#include "platform/win32/sibling_name.hpp"

namespace pelcon::platform {
namespace {

int LastError() {
  return static_cast<int>(::GetLastError());
}

// The name of the target without its folder; "/" is taken as a separator too.
std::string BaseName(const std::string& target) {
  const std::string::size_type separator = target.find_last_of("\\/");
  return separator == std::string::npos ? target : target.substr(separator + 1);
}

}  // namespace

StagedPathOutput::StagedPathOutput(std::string target, std::string folder)
    : target_(std::move(target)), folder_(std::move(folder)) {
  path_ = folder_ + "\\" + BaseName(target_);
}

std::optional<StagedPathOutput> StagedPathOutput::Create(const std::string& target, int& error) {
  for (int attempt = 0;; ++attempt) {
    std::string folder = SiblingName(target, ".part-");
    // CreateDirectory never opens what is there: a name in use fails and another is tried.
    if (::CreateDirectoryA(folder.c_str(), nullptr)) {
      ::SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_HIDDEN);
      return StagedPathOutput(target, std::move(folder));
    }
    const int failure = LastError();
    if (failure != ERROR_ALREADY_EXISTS || attempt == 100) {
      error = failure;
      return std::nullopt;
    }
  }
}

bool StagedPathOutput::Publish(bool replaceExisting) {
  if (folder_.empty()) {
    if (error_ == 0) error_ = ERROR_INVALID_HANDLE;
    return false;
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
  error_ = ::MoveFileExA(path_.c_str(), target_.c_str(), flags) ? 0 : LastError();
  Remove();
  return error_ == 0;
}

// Removes the folder with whatever the library left in it (its scratch files, a partial file).
void StagedPathOutput::Remove() {
  if (folder_.empty()) return;
  WIN32_FIND_DATAA entry;
  const HANDLE search = ::FindFirstFileA((folder_ + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name != "." && name != "..") ::DeleteFileA((folder_ + "\\" + name).c_str());
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
  }
  ::RemoveDirectoryA(folder_.c_str());
  folder_.clear();
}

}  // namespace pelcon::platform
