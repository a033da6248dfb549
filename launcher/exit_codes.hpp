#pragma once

namespace pelcon::launcher {

// The launcher's exit codes, documented in the README.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitConversionFailed = 1,
  kExitInvalidArguments = 2,  // nothing to do, or a named input that does not exist
  kExitNotMoved = 3,          // converted, but the CSV file could not go into the output directory
  kExitComponentMissing = 4,
  kExitAlreadyRunning = 5,
  kExitNotAvailable = 6,  // a dialog could not be opened (no display)
};

}  // namespace pelcon::launcher
