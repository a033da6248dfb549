#pragma once

#include <cstddef>
#include <functional>

namespace pelcon::outputs {

// How the records of a table are written: on how many workers, in chunks of how many records,
// told to whom, stopped by whom.
struct RecordRun {
  unsigned workers = 1;  // 1: on the calling thread
  std::size_t chunkRecords = 256;
  // Told the count of records written so far; returning false stops the writing.
  std::function<bool(std::size_t records)> progress;
  // Asked before each record is formatted and each chunk written; true stops the writing.
  std::function<bool()> stopRequested;

  bool StopRequested() const { return stopRequested && stopRequested(); }
  bool Progress(std::size_t records) const { return !progress || progress(records); }
};

enum class RunOutcome { kComplete, kStopped, kFailed };

}  // namespace pelcon::outputs
