#include "platform/files.hpp"

#include "platform/win32/system_text.hpp"

namespace pelcon::platform {

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, int& error) {
  bytes.clear();
  // Without backup semantics a directory cannot be opened, so it fails like an unreadable file.
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = static_cast<int>(::GetLastError());
    return false;
  }
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file, &size) && size.QuadPart > 0)
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char chunk[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
      error = static_cast<int>(::GetLastError());
      ::CloseHandle(file);
      bytes.clear();
      return false;
    }
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  ::CloseHandle(file);
  return true;
}

std::string FileErrorText(int error) {
  // The output factories report a reparse point in a file's place with this code.
  if (error == ERROR_CANT_ACCESS_FILE) {
    return "the name is a symbolic link or junction, and nothing is written through one";
  }
  return SystemErrorText(static_cast<DWORD>(error));
}

}  // namespace pelcon::platform
