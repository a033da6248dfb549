#include "ui/batch_run.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>

#include "platform/notifier.hpp"
#include "tests/ui/batch_run_ending.hpp"
#include "ui/results_list.hpp"

namespace pelcon::ui {
namespace {

using namespace std::chrono_literals;
using jobs::FileOutcome;
using jobs::FileStatus;

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

FileOutcome WithStatus(FileStatus status) {
  FileOutcome outcome;
  outcome.status = status;
  return outcome;
}

// The fields the results list shows, for comparing outcomes whole.
struct Shown {
  std::string input;
  FileStatus status;
  std::size_t records;
  std::string output;
  std::string reason;

  bool operator==(const Shown&) const = default;
};

std::vector<Shown> ShownFields(const std::vector<FileOutcome>& outcomes) {
  std::vector<Shown> shown;
  for (const FileOutcome& o : outcomes)
    shown.push_back({o.input, o.status, o.records, o.output, o.error});
  return shown;
}

TEST(CompletionMessage, ErrorsOutrankCancellationAndTheFilesConvertedAreCounted) {
  const std::vector<FileOutcome> one{WithStatus(FileStatus::kConverted)};
  EXPECT_EQ(CompletionMessage({false, false, one}), "Conversion complete\n1 of 1 file converted");
  const std::vector<FileOutcome> four{
      WithStatus(FileStatus::kConverted), WithStatus(FileStatus::kFailed),
      WithStatus(FileStatus::kCancelled), WithStatus(FileStatus::kNotReached)};
  EXPECT_EQ(CompletionMessage({true, false, four}), "Conversion cancelled\n1 of 4 files converted");
  EXPECT_EQ(CompletionMessage({false, true, four}),
            "Conversion had errors\n1 of 4 files converted");
  EXPECT_EQ(CompletionMessage({true, true, four}), "Conversion had errors\n1 of 4 files converted");
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
  const BatchOutcome outcome = testing::RunToEnd(run);
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
  const BatchOutcome outcome = testing::RunToEnd(run);
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(outcome.hadErrors);
  EXPECT_FALSE(outcome.cancelled);
}

// What the list under the files shows: records written come from the converter's progress, the
// reason from its messages (or from its result when it gave none).
TEST(BatchRun, KeepsOneResultPerFileWithItsRecordsAndTheReasonOfAFailure) {
  BatchRun run(
      [&](const std::string& path, std::string&, ProgressSink* progress, const CancelFlag*) {
        if (path == "/data/bad.bin") {
          platform::ShowNotice("Unable to load file\n/data/bad.bin", platform::NoticeIcon::kStop);
          return kResultOpenFailed;
        }
        if (path == "/data/gone.bin") return kResultLogFileMissing;
        progress->SetPosition(0);
        progress->SetRange(0, 7);
        progress->SetPosition(5);
        progress->SetPosition(7);
        return kResultOk;
      });
  ASSERT_TRUE(run.Start(Files({"good.bin", "bad.bin", "gone.bin"}), "t.bft", nullptr, nullptr));
  const BatchOutcome outcome = testing::RunToEnd(run);
  const std::vector<Shown> expected{
      {"/data/good.bin", FileStatus::kConverted, 7, "/data/good.bin.csv", ""},
      {"/data/bad.bin", FileStatus::kFailed, 0, "", "Unable to load file\n/data/bad.bin"},
      {"/data/gone.bin", FileStatus::kFailed, 0, "", "Log file not found"}};
  EXPECT_EQ(ShownFields(outcome.files), expected);
  EXPECT_EQ(ResultRowTexts(outcome.files[1]),
            (std::array<std::string, 5>{"bad.bin", "failed", "", "",
                                        "Unable to load file /data/bad.bin"}));
  EXPECT_EQ(ResultRowTexts(outcome.files[0])[2], "7");
}

TEST(BatchRun, AnExceptionFromTheConverterFailsOnlyThatFile) {
  int calls = 0;
  BatchRun run([&](const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
    if (++calls == 1) throw std::runtime_error("boom");
    return kResultOk;
  });
  ASSERT_TRUE(run.Start(Files({"a.bin", "b.bin"}), "t.bft", nullptr, nullptr));
  EXPECT_TRUE(testing::RunToEnd(run).hadErrors);
  EXPECT_EQ(calls, 2);
}

// The converter of the second file waits until it sees the cancel request, as the driver does
// between records; the third file must not be touched.
TEST(BatchRun, CancelStopsBeforeTheNextFile) {
  std::mutex mutex;
  std::condition_variable inSecondFile;
  bool secondStarted = false;
  std::vector<std::string> converted;
  BatchRun run(
      [&](const std::string& path, std::string&, ProgressSink* progress, const CancelFlag* cancel) {
        progress->SetRange(0, 10);
        progress->SetPosition(4);
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
  const BatchOutcome outcome = testing::RunToEnd(run);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(outcome.hadErrors);
  EXPECT_EQ(converted, (std::vector<std::string>{"/data/1.bin", "/data/2.bin"}));
  // The first file ended before the cancel although it stopped short of its record count.
  ASSERT_EQ(outcome.files.size(), 3u);
  EXPECT_EQ(outcome.files[0].status, FileStatus::kConverted);
  EXPECT_EQ(outcome.files[1].status, FileStatus::kCancelled);
  EXPECT_EQ(outcome.files[1].records, 4u);
  EXPECT_EQ(outcome.files[1].output, "/data/2.bin.csv");
  // The file never begun keeps its input and nothing else; its line says so.
  EXPECT_EQ(ShownFields({outcome.files[2]}),
            std::vector<Shown>({{"/data/3.bin", FileStatus::kNotReached, 0, "", ""}}));
  EXPECT_EQ(ResultRowTexts(outcome.files[2]),
            (std::array<std::string, 5>{"3.bin", "not reached", "", "", ""}));
  EXPECT_EQ(ResultRowTexts(outcome.files[1])[2], "4");
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
  testing::RunToEnd(run);
  ASSERT_TRUE(run.Start(Files({"b.bin"}), "t.bft", nullptr, nullptr));
  // The new run starts with clean flags.
  const BatchOutcome outcome = testing::RunToEnd(run);
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
