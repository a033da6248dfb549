#pragma once

// What the harnesses share: notices that go nowhere, and a private folder for the files that the
// file-based interfaces need.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/notifier.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::fuzz {

// Stops a harness at once with a message; libFuzzer and the replay driver both report the abort.
[[noreturn]] inline void Fail(const char* what) {
  std::fputs(what, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

inline void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

class SilentNotices final : public platform::NoticeSink {
 public:
  SilentNotices() : installation_(*this) {}
  void Show(const platform::Notice&) override {}
  bool Ask(const platform::Notice&, bool defaultAnswer) override { return defaultAnswer; }

 private:
  platform::ScopedNoticeSink installation_;
};

// A folder of its own for the life of the process, in memory where the system offers it: saving
// a file syncs it to disk, which on a disk would make a harness a hundred times slower.
class ScratchFolder {
 public:
  ScratchFolder() : directory_(MemoryFolderOrTemporary()) {}

  std::string File(std::string_view name) const { return directory_.File(name); }

  // Writes bytes as the whole file name; aborts when it cannot.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = File(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    Check(file.good(), "cannot write a scratch file");
    return path;
  }

 private:
  static std::filesystem::path MemoryFolderOrTemporary() {
    std::error_code noMemoryFolder;
    return std::filesystem::is_directory("/dev/shm", noMemoryFolder)
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::temp_directory_path();
  }

  testing::ScratchDirectory directory_;
};

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace pelcon::fuzz
