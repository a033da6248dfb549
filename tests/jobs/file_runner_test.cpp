#include "jobs/file_runner.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace pelcon::jobs {
namespace {

TEST(FileRunner, FourWorkersKeepInputOrderAndNeverOverlapTheirReports) {
  constexpr std::size_t kFiles = 24;
  std::vector<FileOutcome> outcomes(kFiles);
  for (std::size_t k = 0; k < kFiles; ++k) outcomes[k].input = "log" + std::to_string(k);

  std::atomic<bool> reporting{false};
  std::atomic<int> overlaps{0};
  std::atomic<int> busy{0}, mostBusy{0};
  std::vector<int> startedAt(kFiles, -1), doneAt(kFiles, -1);
  int reports = 0;
  // Each report takes a little while, so that an overlap has time to show.
  const auto report = [&](std::vector<int>& at, std::size_t index) {
    if (reporting.exchange(true)) ++overlaps;
    at[index] = reports++;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    reporting = false;
  };
  RunCallbacks callbacks;
  callbacks.fileStarted = [&](std::size_t index) { report(startedAt, index); };
  callbacks.fileDone = [&](std::size_t index, const FileOutcome&) { report(doneAt, index); };

  // The early files take longest, so they finish after later ones.
  RunFiles(
      outcomes, 4,
      [&](std::size_t index) {
        const int now = ++busy;
        for (int most = mostBusy; now > most && !mostBusy.compare_exchange_weak(most, now);) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kFiles - index));
        --busy;
        FileOutcome outcome;
        outcome.input = "log" + std::to_string(index);
        outcome.status = FileStatus::kConverted;
        outcome.records = index;
        return outcome;
      },
      callbacks);

  EXPECT_EQ(overlaps, 0);
  EXPECT_GT(mostBusy, 1);
  for (std::size_t k = 0; k < kFiles; ++k) {
    EXPECT_EQ(outcomes[k].input, "log" + std::to_string(k));
    EXPECT_EQ(outcomes[k].status, FileStatus::kConverted);
    EXPECT_EQ(outcomes[k].records, k);
    EXPECT_GE(startedAt[k], 0) << k;
    EXPECT_LT(startedAt[k], doneAt[k]) << k;
  }
}

}  // namespace
}  // namespace pelcon::jobs
