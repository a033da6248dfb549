#include "plan/record_ranges.hpp"

#include <algorithm>
#include <thread>
#include <vector>

#include "plan/worker_count.hpp"

namespace pelcon {
namespace {

// Fewer records than this per thread are not worth a thread.
constexpr std::size_t kLeastRecordsPerThread = 16384;

}  // namespace

void ForEachRecordRange(std::size_t count,
                        const std::function<void(std::size_t first, std::size_t last)>& read) {
  const std::size_t threads =
      std::clamp<std::size_t>(count / kLeastRecordsPerThread, 1, ConversionWorkerCount());
  std::vector<std::jthread> helpers;
  for (std::size_t k = 1; k < threads; ++k) {
    helpers.emplace_back(
        [&read, count, threads, k] { read(count * k / threads, count * (k + 1) / threads); });
  }
  read(0, count / threads);
}

}  // namespace pelcon
