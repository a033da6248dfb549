#include "ui/batch_run.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>

namespace pelcon::ui {
namespace {

using namespace std::chrono_literals;

std::vector<FileEntry> Files(std::initializer_list<const char*> names) {
  std::vector<FileEntry> files;
  for (const char* name : names) files.push_back({std::string("/data/") + name, name, "/data/"});
  return files;
}

class RecordingObserver final : public BatchRunObserver {
 public:
  void RunStarted(int fileCount) override {
    events.push_back("start " + std::to_string(fileCount));
  }
  void FileStarted(const FileEntry& file) override { events.push_back("file " + file.fileName); }
  void FileFinished(int filesDone) override {
    events.push_back("done " + std::to_string(filesDone));
  }

  std::vector<std::string> events;  // read only after the run has been collected
};

BatchOutcome RunToEnd(BatchRun& run) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!run.WorkerFinished() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_TRUE(run.WorkerFinished());
  return run.Collect();
}

TEST(CompletionMessage, ErrorsOutrankCancellation) {
  EXPECT_EQ(CompletionMessage({false, false}), "Conversion complete");
  EXPECT_EQ(CompletionMessage({true, false}), "Conversion cancelled");
  EXPECT_EQ(CompletionMessage({false, true}), "Conversion had errors");
  EXPECT_EQ(CompletionMessage({true, true}), "Conversion had errors");
}

TEST(BatchRun, ConvertsEveryFileInOrderWithTheTemplate) {
  std::vector<std::string> converted;
  BatchRun run([&](const std::string& path, std::string& templatePath, ProgressSink*,
                   const CancelFlag* cancel) {
    EXPECT_NE(cancel, nullptr);
    converted.push_back(path + " with " + templatePath);
    return kResultOk;
  });
  RecordingObserver observer;
  ASSERT_TRUE(run.Start(Files({"a.bin", "b.bin"}), "/t/x.bft", nullptr, &observer));
  EXPECT_TRUE(run.IsRunning());
  const BatchOutcome outcome = RunToEnd(run);
  EXPECT_FALSE(run.IsRunning());
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_FALSE(outcome.hadErrors);
  EXPECT_EQ(converted,
            (std::vector<std::string>{"/data/a.bin with /t/x.bft", "/data/b.bin with /t/x.bft"}));
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"start 2", "file a.bin", "done 1", "file b.bin", "done 2"}));
}

TEST(BatchRun, AFailingFileSetsHadErrorsAndTheRunGoesOn) {
  int calls = 0;
  BatchRun run([&](const std::string& path, std::string&, ProgressSink*, const CancelFlag*) {
    ++calls;
    return path == "/data/bad.bin" ? kResultOpenFailed : kResultOk;
  });
  ASSERT_TRUE(run.Start(Files({"bad.bin", "good.bin"}), "t.bft", nullptr, nullptr));
  const BatchOutcome outcome = RunToEnd(run);
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(outcome.hadErrors);
  EXPECT_FALSE(outcome.cancelled);
}

TEST(BatchRun, AnExceptionFromTheConverterFailsOnlyThatFile) {
  int calls = 0;
  BatchRun run([&](const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
    if (++calls == 1) throw std::runtime_error("boom");
    return kResultOk;
  });
  ASSERT_TRUE(run.Start(Files({"a.bin", "b.bin"}), "t.bft", nullptr, nullptr));
  EXPECT_TRUE(RunToEnd(run).hadErrors);
  EXPECT_EQ(calls, 2);
}

// The converter of the second file waits until it sees the cancel request, as the driver does
// between records; the third file must not be touched.
TEST(BatchRun, CancelStopsBeforeTheNextFile) {
  std::mutex mutex;
  std::condition_variable inSecondFile;
  bool secondStarted = false;
  std::vector<std::string> converted;
  BatchRun run([&](const std::string& path, std::string&, ProgressSink*, const CancelFlag* cancel) {
    bool second = false;
    {
      std::lock_guard lock(mutex);
      converted.push_back(path);
      second = secondStarted = converted.size() == 2;
    }
    inSecondFile.notify_all();
    if (second) {
      while (!cancel->IsSet()) std::this_thread::sleep_for(1ms);
    }
    return kResultOk;
  });
  ASSERT_TRUE(run.Start(Files({"1.bin", "2.bin", "3.bin"}), "t.bft", nullptr, nullptr));
  {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(inSecondFile.wait_for(lock, 10s, [&] { return secondStarted; }));
  }
  run.RequestCancel();
  const BatchOutcome outcome = RunToEnd(run);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(outcome.hadErrors);
  EXPECT_EQ(converted, (std::vector<std::string>{"/data/1.bin", "/data/2.bin"}));
}

TEST(BatchRun, RefusesASecondStartWhileRunningAndStartsAgainAfterCollect) {
  std::atomic<bool> release{false};
  std::atomic<int> calls{0};
  BatchRun run([&](const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
    ++calls;
    while (!release) std::this_thread::sleep_for(1ms);
    return kResultOk;
  });
  ASSERT_TRUE(run.Start(Files({"a.bin"}), "t.bft", nullptr, nullptr));
  EXPECT_FALSE(run.Start(Files({"b.bin"}), "t.bft", nullptr, nullptr));
  release = true;
  RunToEnd(run);
  ASSERT_TRUE(run.Start(Files({"b.bin"}), "t.bft", nullptr, nullptr));
  // The new run starts with clean flags.
  const BatchOutcome outcome = RunToEnd(run);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(calls, 2);
}

TEST(BatchRun, DestroyingARunningRunCancelsAndWaits) {
  std::atomic<bool> started{false};
  std::atomic<bool> sawCancel{false};
  {
    BatchRun run([&](const std::string&, std::string&, ProgressSink*, const CancelFlag* cancel) {
      started = true;
      while (!cancel->IsSet()) std::this_thread::sleep_for(1ms);
      sawCancel = true;
      return kResultOk;
    });
    ASSERT_TRUE(run.Start(Files({"a.bin"}), "t.bft", nullptr, nullptr));
    while (!started) std::this_thread::sleep_for(1ms);
  }
  EXPECT_TRUE(sawCancel);
}

}  // namespace
}  // namespace pelcon::ui
