#pragma once

#include <optional>
#include <string>

namespace pelcon::platform {

// A new output that a library writes by opening a path itself. The path lies in a private folder
// made for it (readable and writable by this user only) in the target's folder, so no other user
// can put a link where the library opens; publishing moves the finished file to the target's name
// and removes the folder. An output never published leaves nothing behind. Made only by Create; on
// failure it returns nothing and sets error to the platform's error code (see FileErrorText).
class StagedPathOutput {
 public:
  static std::optional<StagedPathOutput> Create(const std::string& target, int& error);

  StagedPathOutput(StagedPathOutput&& other) noexcept;
  StagedPathOutput& operator=(StagedPathOutput&&) = delete;
  StagedPathOutput(const StagedPathOutput&) = delete;
  StagedPathOutput& operator=(const StagedPathOutput&) = delete;
  ~StagedPathOutput();

  // Where the library writes the file.
  const std::string& Path() const { return path_; }
  // The private folder, for the library's own scratch files.
  const std::string& Folder() const { return folder_; }

  // Makes the file durable and gives it the target's name. Without replaceExisting an existing
  // target is left alone and the call fails with the platform's "file exists" code (see
  // IsExistsError). After a failure nothing of the output remains.
  bool Publish(bool replaceExisting);
  int Error() const { return error_; }

 private:
  StagedPathOutput(std::string target, std::string folder);
  void Remove();

  std::string target_;
  std::string folder_;  // empty once published or moved from
  std::string path_;
  int error_ = 0;
};

}  // namespace pelcon::platform
