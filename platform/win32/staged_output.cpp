#include "platform/staged_output.hpp"

#include <windows.h>

#include "platform/win32/sibling_name.hpp"

namespace pelcon::platform {
namespace {

HANDLE Handle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

int LastError() {
  return static_cast<int>(::GetLastError());
}

}  // namespace

std::optional<StagedOutput> StagedOutput::Create(const std::string& target, int& error) {
  for (int attempt = 0;; ++attempt) {
    std::string staging = SiblingName(target, ".part-");
    // CREATE_NEW never opens an existing file or the target of a link.
    HANDLE file = ::CreateFileA(staging.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      return StagedOutput(reinterpret_cast<std::intptr_t>(file), target, std::move(staging));
    }
    const int failure = LastError();
    if ((failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS) || attempt == 100) {
      error = failure;
      return std::nullopt;
    }
  }
}

bool StagedOutput::Write(std::string_view bytes) {
  if (error_ != 0) return false;
  if (!IsOpen()) {
    error_ = ERROR_INVALID_HANDLE;
    return false;
  }
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(Handle(handle_), bytes.data(), chunk, &written, nullptr) || written == 0) {
      error_ = LastError();
      if (error_ == 0) error_ = ERROR_WRITE_FAULT;
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool StagedOutput::Publish(bool replaceExisting) {
  if (!IsOpen()) {
    if (error_ == 0) error_ = ERROR_INVALID_HANDLE;
    return false;
  }
  HANDLE file = Handle(handle_);
  handle_ = -1;
  if (error_ == 0 && !::FlushFileBuffers(file)) error_ = LastError();
  if (!::CloseHandle(file) && error_ == 0) error_ = LastError();
  // The hidden and temporary marks belong to the staging file only.
  if (error_ == 0 && !::SetFileAttributesA(stagingPath_.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    error_ = LastError();
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
  if (error_ == 0 && !::MoveFileExA(stagingPath_.c_str(), target_.c_str(), flags)) {
    error_ = LastError();
  }
  if (error_ != 0) ::DeleteFileA(stagingPath_.c_str());
  return error_ == 0;
}

void StagedOutput::Discard() {
  if (!IsOpen()) return;
  ::CloseHandle(Handle(handle_));
  handle_ = -1;
  ::DeleteFileA(stagingPath_.c_str());
}

bool IsExistsError(int error) {
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

}  // namespace pelcon::platform
