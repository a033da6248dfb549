#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelcon::platform {

// A new output written out of sight in its target's folder and given the target's name only when
// complete, so that a failure, a cancelled run or a crash never leaves a partial file there.
// Nothing is ever written through a symbolic link: the hidden file is created exclusively, and
// publishing places a new directory entry (a link at the target is replaced, never followed).
// Made only by Create; on failure it returns nothing and sets error to the platform's error code
// (see FileErrorText).
class StagedOutput {
 public:
  static std::optional<StagedOutput> Create(const std::string& target, int& error);

  StagedOutput(StagedOutput&& other) noexcept;
  StagedOutput& operator=(StagedOutput&& other) noexcept;
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;
  // An output never published is thrown away.
  ~StagedOutput();

  // False once any write has failed; Error() then holds the cause.
  bool Write(std::string_view bytes);
  // Makes the data durable and gives it the target's name. Without replaceExisting an existing
  // target is left alone and the call fails with the platform's "file exists" code (see
  // IsExistsError). After a failure nothing of the output remains.
  bool Publish(bool replaceExisting);
  // Throws the output away; nothing of it remains.
  void Discard();

  int Error() const { return error_; }

 private:
  StagedOutput(std::intptr_t handle, std::string target, std::string stagingPath);
  bool IsOpen() const { return handle_ != -1; }

  std::intptr_t handle_ = -1;
  std::string target_;
  std::string stagingPath_;  // empty for an unnamed file (Linux O_TMPFILE)
  int error_ = 0;
};

// Whether an error code means that the file is already there.
bool IsExistsError(int error);

}  // namespace pelcon::platform
