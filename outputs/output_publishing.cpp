#include "cli/output_publishing.hpp"

#include "platform/files.hpp"
#include "platform/staged_output.hpp"  // IsExistsError

namespace pelcon::cli {

WriteResult CreationFailed(const OutputTarget& target, int error) {
  return {WriteStatus::kFailed,
          "cannot create " + target.output + ": " + platform::FileErrorText(error)};
}

WriteResult WritingFailed(const OutputTarget& target, int error) {
  return {WriteStatus::kFailed,
          "cannot write " + target.output + ": " + platform::FileErrorText(error)};
}

WriteResult PublishingResult(bool published, int error, const OutputTarget& target) {
  if (published) return {WriteStatus::kWritten, {}};
  if (platform::IsExistsError(error)) return {WriteStatus::kExists, {}};
  return WritingFailed(target, error);
}

bool RecordWrite(const WriteResult& result, FileOutcome& outcome) {
  switch (result.status) {
    case WriteStatus::kWritten:
      return true;
    case WriteStatus::kExists:
      outcome.status = FileStatus::kExists;
      return false;
    case WriteStatus::kStopped:
      outcome.error = "interrupted";
      return false;
    case WriteStatus::kFailed:
      outcome.error = result.error;
      return false;
  }
  return false;
}

}  // namespace pelcon::cli
