#include "outputs/output_publishing.hpp"

#include "platform/files.hpp"
#include "platform/staged_output.hpp"  // IsExistsError

namespace pelcon::outputs {

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

}  // namespace pelcon::outputs
