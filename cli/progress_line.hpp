#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace pelcon::cli {

// The self-updating line of a conversion run on stderr: files done of all, records per second,
// time left. Workers count; one thread draws.
class ProgressLine {
 public:
  explicit ProgressLine(std::size_t totalFiles);

  // Before the workers start.
  void SetTotalFiles(std::size_t totalFiles) { totalFiles_ = totalFiles; }

  void AddRecords(std::size_t count) { records_.fetch_add(count, std::memory_order_relaxed); }
  void FileDone() { files_.fetch_add(1, std::memory_order_relaxed); }

  // The line as it stands now, without line control.
  std::string Text() const;
  // Redraws the line in place.
  void Draw() const;
  // Removes the line, leaving the cursor where it began.
  void Erase() const;

 private:
  std::size_t totalFiles_;
  std::chrono::steady_clock::time_point start_;
  std::atomic<std::size_t> records_{0};
  std::atomic<std::size_t> files_{0};
};

}  // namespace pelcon::cli
