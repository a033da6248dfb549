#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelcon::platform {

// A file written in binary (the caller writes its own line ends), buffered, with every I/O result
// checked. Made only by the two factories; on failure they return nothing and set error to the
// platform's error code (see FileErrorText).
class OutputFile {
 public:
  // Creates or replaces the file for exclusive writing: a second writer of the same file fails
  // instead of clobbering the data of the first. The exclusive hold ends with Close. A symbolic
  // link in the file's place is refused, never followed.
  static std::optional<OutputFile> OpenExclusive(const std::string& path, int& error);

  // Writes a new file beside path that replaces it only at Close, so a crash or a full disk never
  // leaves a half-written file where a good one was. Without Close the new file is discarded.
  // The new file takes the owner and permissions of the old one. Refused: a symbolic link in the
  // file's place, and a file whose own permissions keep the caller from writing it.
  static std::optional<OutputFile> CreateReplacement(const std::string& path, int& error);

  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&& other) noexcept;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // Each returns false once any write has failed; Error() then holds the cause.
  bool Write(std::string_view bytes);
  bool Flush();
  // Flushes and closes; a replacement takes the place of its target here.
  bool Close();

  int Error() const { return error_; }

 private:
  OutputFile(std::intptr_t handle, std::string replacementTarget, std::string temporaryPath);
  bool WriteThrough(std::string_view bytes);
  void Discard();
  bool IsOpen() const { return handle_ != -1; }
  // The platform's error code for a write to a closed file.
  static int ClosedFileError();

  static constexpr std::size_t kBufferSize = 64 * 1024;

  std::intptr_t handle_ = -1;
  std::string buffer_;
  std::string replacementTarget_;  // empty unless made by CreateReplacement
  std::string temporaryPath_;
  int error_ = 0;
};

}  // namespace pelcon::platform
