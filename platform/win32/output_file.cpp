#include "platform/output_file.hpp"

#include <windows.h>

#include <climits>
#include <string>
#include <utility>

#include "platform/win32/sibling_name.hpp"

namespace pelcon::platform {
namespace {

HANDLE Handle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

int LastError() {
  return static_cast<int>(::GetLastError());
}

bool IsReparsePoint(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  return ::GetFileInformationByHandle(file, &information) &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace

std::optional<OutputFile> OutputFile::OpenExclusive(const std::string& path, int& error) {
  // No sharing at all: while the file is open nobody else can open it, and a second writer's
  // attempt fails before it could truncate what the first one wrote.
  // A reparse point (a symbolic link, a junction) in the file's place is opened as itself and
  // refused, never followed; the file is emptied only once it is known to be a plain file.
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = LastError();
    return std::nullopt;
  }
  if (IsReparsePoint(file)) {
    ::CloseHandle(file);
    error = ERROR_CANT_ACCESS_FILE;
    return std::nullopt;
  }
  if (!::SetEndOfFile(file)) {
    error = LastError();
    ::CloseHandle(file);
    return std::nullopt;
  }
  return OutputFile(reinterpret_cast<std::intptr_t>(file), {}, {});
}

std::optional<OutputFile> OutputFile::CreateReplacement(const std::string& path, int& error) {
  if (path.empty()) {
    error = ERROR_PATH_NOT_FOUND;
    return std::nullopt;
  }
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    error = ERROR_CANT_ACCESS_FILE;  // the move would replace the link: refuse both
    return std::nullopt;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error = ERROR_ACCESS_DENIED;
    return std::nullopt;
  }
  for (unsigned attempt = 0;; ++attempt) {
    std::string temporary = SiblingName(path, ".tmp") + "-" + std::to_string(attempt);
    HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const int failure = LastError();
      if ((failure == ERROR_FILE_EXISTS || failure == ERROR_ALREADY_EXISTS) && attempt < 100)
        continue;
      error = failure;
      return std::nullopt;
    }
    return OutputFile(reinterpret_cast<std::intptr_t>(file), path, std::move(temporary));
  }
}

int OutputFile::ClosedFileError() {
  return ERROR_INVALID_HANDLE;
}

// An exclusive file keeps what was written so far; an unfinished replacement is thrown away.
void OutputFile::Discard() {
  if (!IsOpen()) return;
  if (replacementTarget_.empty()) {
    Flush();
    ::CloseHandle(Handle(handle_));
  } else {
    ::CloseHandle(Handle(handle_));
    ::DeleteFileA(temporaryPath_.c_str());
  }
  handle_ = -1;
}

bool OutputFile::WriteThrough(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > INT_MAX ? INT_MAX : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(Handle(handle_), bytes.data(), chunk, &written, nullptr)) {
      error_ = LastError();
      return false;
    }
    if (written == 0) {
      error_ = ERROR_WRITE_FAULT;
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool OutputFile::Close() {
  if (!IsOpen()) {
    if (error_ == 0) error_ = ClosedFileError();
    return false;
  }
  bool good = Flush();
  HANDLE file = Handle(std::exchange(handle_, -1));
  if (replacementTarget_.empty()) {
    if (!::CloseHandle(file) && good) {
      error_ = LastError();
      good = false;
    }
    return good;
  }
  // The data must be on disk before the move makes it the file, or a crash could leave an empty
  // file in place of the old one.
  if (good && !::FlushFileBuffers(file)) {
    error_ = LastError();
    good = false;
  }
  if (!::CloseHandle(file) && good) {
    error_ = LastError();
    good = false;
  }
  if (good && !::MoveFileExA(temporaryPath_.c_str(), replacementTarget_.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error_ = LastError();
    good = false;
  }
  if (!good) ::DeleteFileA(temporaryPath_.c_str());
  return good;
}

}  // namespace pelcon::platform
