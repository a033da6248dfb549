#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ui/batch_run.hpp"

namespace pelcon::testing {

// Waits, as the dialog's timer does, until the worker has ended, and collects the run.
inline ui::BatchOutcome RunToEnd(ui::BatchRun& run) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!run.WorkerFinished() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(run.WorkerFinished());
  return run.Collect();
}

}  // namespace pelcon::testing
