#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pelcon {

// Formats consecutive chunks of records on a pool of workers and hands the chunks to the caller's
// thread strictly in record order. At most two chunks per worker are held at once, so the memory
// does not grow with the file.
struct ChunkedRecords {
  std::size_t recordCount = 0;
  std::size_t chunkRecords = 256;
  unsigned workers = 1;  // 1: every chunk is formatted on the calling thread

  // Formats records [first, last) into text, on worker `worker` (0 to workers - 1; each worker
  // calls it from one thread only). Returns the end of what it formatted: less than last when it
  // stopped early (a cancel), and then no later chunk is written. May throw; the run then fails.
  using Format = std::function<std::size_t(unsigned worker, std::size_t first, std::size_t last,
                                           std::string& text)>;
  // Takes one chunk's text and the end of its records, on the calling thread: writes it
  // (kWritten), or declines to write it and stops the run (kStop), or fails the run (kFailed).
  enum class Step { kWritten, kStop, kFailed };
  using Write = std::function<Step(std::string_view text, std::size_t end)>;

  enum class Outcome { kComplete, kStopped, kFailed };

  // Nothing past a failed chunk is written.
  Outcome Run(const Format& format, const Write& write) const;
};

}  // namespace pelcon
