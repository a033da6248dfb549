#pragma once

#include "cli/file_report.hpp"

namespace pelcon::platform {
class StagedOutput;
}

namespace pelcon::cli {

// Gives a complete staged output the name outcome.output and records what became of it:
// converted, exists (an output appeared there meanwhile and replacing it was not asked for), or
// the error.
void PublishOutput(platform::StagedOutput& output, bool overwrite, FileOutcome& outcome);

}  // namespace pelcon::cli
