#include "cli/output_publishing.hpp"

#include "platform/files.hpp"
#include "platform/staged_output.hpp"

namespace pelcon::cli {

void PublishOutput(platform::StagedOutput& output, bool overwrite, FileOutcome& outcome) {
  if (output.Publish(overwrite)) {
    outcome.status = FileStatus::kConverted;
  } else if (platform::IsExistsError(output.Error())) {
    outcome.status = FileStatus::kExists;
  } else {
    outcome.error =
        "cannot write " + outcome.output + ": " + platform::FileErrorText(output.Error());
  }
}

}  // namespace pelcon::cli
