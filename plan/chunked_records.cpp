#include "plan/chunked_records.hpp"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace pelcon {
namespace {

// How the run ends after a chunk's write, or nothing when it goes on.
std::optional<ChunkedRecords::Outcome> Written(ChunkedRecords::Step step) {
  switch (step) {
    case ChunkedRecords::Step::kWritten:
      return std::nullopt;
    case ChunkedRecords::Step::kStop:
      return ChunkedRecords::Outcome::kStopped;
    case ChunkedRecords::Step::kFailed:
      break;
  }
  return ChunkedRecords::Outcome::kFailed;
}

struct Chunk {
  std::string text;
  std::size_t end = 0;
  bool ready = false;
  bool failed = false;
};

// The state the workers and the writing thread share.
class ChunkPool {
 public:
  ChunkPool(const ChunkedRecords& run, const ChunkedRecords::Format& format)
      : run_(run),
        format_(format),
        chunkCount_((run.recordCount + run.chunkRecords - 1) / run.chunkRecords),
        slots_(2 * static_cast<std::size_t>(run.workers)) {}

  void Work(unsigned worker) {
    for (;;) {
      std::size_t index = 0;
      {
        std::unique_lock lock(mutex_);
        workerWake_.wait(lock, [&] {
          return stop_ || next_ >= chunkCount_ || next_ < written_ + slots_.size();
        });
        if (stop_ || next_ >= chunkCount_) return;
        index = next_++;
      }
      Chunk& chunk = slots_[index % slots_.size()];
      chunk.text.clear();
      chunk.failed = false;
      try {
        const std::size_t first = index * run_.chunkRecords;
        chunk.end = format_(worker, first, std::min(first + run_.chunkRecords, run_.recordCount),
                            chunk.text);
      } catch (...) {
        chunk.failed = true;
      }
      {
        const std::lock_guard lock(mutex_);
        chunk.ready = true;
      }
      writerWake_.notify_one();
    }
  }

  ChunkedRecords::Outcome WriteAll(const ChunkedRecords::Write& write) {
    for (std::size_t index = 0; index < chunkCount_; ++index) {
      Chunk& chunk = slots_[index % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        writerWake_.wait(lock, [&] { return chunk.ready; });
      }
      if (chunk.failed) return ChunkedRecords::Outcome::kFailed;
      if (const auto outcome = Written(write(chunk.text, chunk.end))) return *outcome;
      const std::size_t last = std::min((index + 1) * run_.chunkRecords, run_.recordCount);
      if (chunk.end < last) return ChunkedRecords::Outcome::kStopped;
      {
        const std::lock_guard lock(mutex_);
        chunk.ready = false;
        written_ = index + 1;
      }
      workerWake_.notify_all();
    }
    return ChunkedRecords::Outcome::kComplete;
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    workerWake_.notify_all();
  }

 private:
  const ChunkedRecords& run_;
  const ChunkedRecords::Format& format_;
  const std::size_t chunkCount_;
  std::vector<Chunk> slots_;
  std::mutex mutex_;
  std::condition_variable workerWake_;
  std::condition_variable writerWake_;
  std::size_t next_ = 0;     // the next chunk to format
  std::size_t written_ = 0;  // chunks written so far
  bool stop_ = false;
};

ChunkedRecords::Outcome RunOnCallingThread(const ChunkedRecords& run,
                                           const ChunkedRecords::Format& format,
                                           const ChunkedRecords::Write& write) {
  std::string text;
  for (std::size_t first = 0; first < run.recordCount; first += run.chunkRecords) {
    const std::size_t last = std::min(first + run.chunkRecords, run.recordCount);
    text.clear();
    std::size_t end = 0;
    try {
      end = format(0, first, last, text);
    } catch (...) {
      return ChunkedRecords::Outcome::kFailed;
    }
    if (const auto outcome = Written(write(text, end))) return *outcome;
    if (end < last) return ChunkedRecords::Outcome::kStopped;
  }
  return ChunkedRecords::Outcome::kComplete;
}

}  // namespace

ChunkedRecords::Outcome ChunkedRecords::Run(const Format& format, const Write& write) const {
  if (chunkRecords == 0) return Outcome::kFailed;
  if (workers <= 1 || recordCount <= chunkRecords) return RunOnCallingThread(*this, format, write);
  ChunkPool pool(*this, format);
  std::vector<std::thread> threads;
  try {
    threads.reserve(workers);
    for (unsigned worker = 0; worker < workers; ++worker) {
      threads.emplace_back([&pool, worker] { pool.Work(worker); });
    }
  } catch (...) {
    // Fewer threads than asked for still format every chunk.
  }
  if (threads.empty()) return RunOnCallingThread(*this, format, write);
  Outcome outcome = Outcome::kFailed;
  try {
    outcome = pool.WriteAll(write);
  } catch (...) {
    outcome = Outcome::kFailed;
  }
  pool.Stop();
  for (std::thread& thread : threads) thread.join();
  return outcome;
}

}  // namespace pelcon
