#pragma once

// What becomes of a staged output: the outcome of its creation and of its publishing, told the
// same way by every subcommand and format.

#include <cstddef>
#include <functional>
#include <string>

namespace pelcon::outputs {

struct OutputTarget {
  std::string input;   // the log file, as given
  std::string output;  // the file to write
  bool replaceExisting = false;
};

enum class WriteStatus { kWritten, kExists, kStopped, kFailed };

struct WriteResult {
  WriteStatus status = WriteStatus::kFailed;
  std::string error;  // kFailed: "cannot write OUT: reason"
};

// Told the count of records written so far; returning false stops the writing.
using RecordCounter = std::function<bool(std::size_t records)>;

// The staged output of the target could not be made (error: the platform's code).
WriteResult CreationFailed(const OutputTarget& target, int error);
// Writing the target failed for the platform's error code.
WriteResult WritingFailed(const OutputTarget& target, int error);

// What publishing the target came to, given whether it was published and the platform's error
// code: written, exists (an output appeared there meanwhile and replacing it was not asked for),
// or failed.
WriteResult PublishingResult(bool published, int error, const OutputTarget& target);

// Gives a complete staged output (platform::StagedOutput, platform::StagedPathOutput) the
// target's name.
template <class StagedFile>
WriteResult PublishStaged(StagedFile& output, const OutputTarget& target) {
  const bool published = output.Publish(target.replaceExisting);
  return PublishingResult(published, output.Error(), target);
}

}  // namespace pelcon::outputs
