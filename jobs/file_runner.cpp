#include "jobs/file_runner.hpp"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace pelcon::jobs {

void RunFiles(std::vector<FileOutcome>& outcomes, unsigned workers,
              const std::function<FileOutcome(std::size_t index)>& fileJob,
              const RunCallbacks& callbacks) {
  for (FileOutcome& outcome : outcomes) outcome.status = FileStatus::kNotReached;
  if (callbacks.started) callbacks.started(outcomes.size());
  std::atomic<std::size_t> next{0};
  std::mutex reportMutex;
  const auto work = [&] {
    for (std::size_t index; (index = next.fetch_add(1)) < outcomes.size();) {
      if (callbacks.CancelRequested()) break;
      if (callbacks.fileStarted) {
        const std::lock_guard lock(reportMutex);
        callbacks.fileStarted(index);
      }
      FileOutcome outcome = fileJob(index);
      const std::lock_guard lock(reportMutex);
      outcomes[index] = std::move(outcome);
      if (callbacks.fileDone) callbacks.fileDone(index, outcomes[index]);
    }
  };
  const std::size_t threads =
      std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(outcomes.size(), 1));
  if (threads == 1) {
    work();
    return;
  }
  std::vector<std::thread> pool;
  for (std::size_t k = 0; k < threads; ++k) pool.emplace_back(work);
  for (std::thread& thread : pool) thread.join();
}

}  // namespace pelcon::jobs
