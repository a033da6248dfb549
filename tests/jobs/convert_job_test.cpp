#include "jobs/convert_job.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>

#include "tests/jobs/job_folder.hpp"

namespace pelcon::jobs {
namespace {

namespace fs = std::filesystem;
using pelcon::testing::ReadBytes;
using pelcon::testing::WriteBytes;
using testing::JobFolder;

// Three level logs, the middle one no log file at all.
struct ThreeInputs {
  JobFolder folder;
  std::vector<std::string> paths;

  ThreeInputs() {
    test_support::LogFileDescription log = test_support::LodaxDescription();
    paths.push_back(folder.WriteLog("a.bin", log));
    paths.push_back(folder.File("notes.bin"));
    pelcon::testing::WriteBytes(paths.back(), "field notes, not a log file\n");
    log.records.push_back({2153, 10300});
    paths.push_back(folder.WriteLog("c.bin", log));
  }

  ConvertOptions Options() const {
    ConvertOptions options;
    options.inputs = paths;
    options.outputDirectory = folder.File("out");
    options.jobs = 2;
    return options;
  }
};

TEST(ConvertJob, OutcomesInInputOrderABadFileFailsAlone) {
  const ThreeInputs inputs;
  std::mutex calls;
  std::vector<std::string> events;
  std::atomic<std::size_t> recordsWritten{0};
  RunCallbacks callbacks;
  callbacks.started = [&](std::size_t count) {
    const std::lock_guard lock(calls);
    events.push_back("started " + std::to_string(count));
  };
  callbacks.fileDone = [&](std::size_t index, const FileOutcome&) {
    const std::lock_guard lock(calls);
    events.push_back("done " + std::to_string(index));
  };
  callbacks.recordsWritten = [&](std::size_t records) { recordsWritten += records; };

  const ConvertResult result = Convert(inputs.Options(), callbacks);
  ASSERT_EQ(result.error, "");
  ASSERT_EQ(result.outcomes.size(), 3u);
  const FileStatus expected[] = {FileStatus::kConverted, FileStatus::kFailed,
                                 FileStatus::kConverted};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(result.outcomes[k].input, inputs.paths[k]);
    EXPECT_EQ(result.outcomes[k].status, expected[k]) << k << ' ' << result.outcomes[k].error;
  }
  EXPECT_NE(result.outcomes[1].error, "");
  EXPECT_EQ(result.outcomes[0].records, 3u);
  EXPECT_EQ(result.outcomes[2].records, 4u);
  EXPECT_EQ(recordsWritten, 7u);
  EXPECT_EQ(inputs.folder.Listing("out"), (std::vector<std::string>{"a.bin.csv", "c.bin.csv"}));
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0], "started 3");
  std::sort(events.begin() + 1, events.end());
  EXPECT_EQ(events[1], "done 0");
  EXPECT_EQ(events[3], "done 2");
}

TEST(ConvertJob, ADryRunWritesNothing) {
  const ThreeInputs inputs;
  ConvertOptions options = inputs.Options();
  options.dryRun = true;
  const ConvertResult result = Convert(options);
  ASSERT_EQ(result.outcomes.size(), 3u);
  EXPECT_EQ(result.outcomes[0].status, FileStatus::kWouldWrite);
  EXPECT_EQ(result.outcomes[0].records, 3u);
  EXPECT_EQ(result.outcomes[1].status, FileStatus::kFailed);
  EXPECT_EQ(result.outcomes[2].status, FileStatus::kWouldWrite);
  EXPECT_FALSE(fs::exists(inputs.folder.File("out")));
}

TEST(ConvertJob, AnExistingOutputIsKeptSkippedWhenUpToDateReplacedWhenAsked) {
  const ThreeInputs inputs;
  ConvertOptions options = inputs.Options();
  options.inputs = {inputs.paths[0]};
  fs::create_directory(options.outputDirectory);
  const std::string output = inputs.folder.File("out/a.bin.csv");
  WriteBytes(output, "old");
  const auto now = fs::file_time_type::clock::now();
  fs::last_write_time(output, now);
  const auto statusOf = [&options] { return Convert(options).outcomes.at(0).status; };

  fs::last_write_time(inputs.paths[0], now - std::chrono::hours(1));
  EXPECT_EQ(statusOf(), FileStatus::kExists);
  options.skipExisting = true;
  EXPECT_EQ(statusOf(), FileStatus::kSkipped);
  EXPECT_EQ(ReadBytes(output), "old");

  // The input changed after the output was written.
  fs::last_write_time(inputs.paths[0], now + std::chrono::hours(1));
  EXPECT_EQ(statusOf(), FileStatus::kExists);
  EXPECT_EQ(ReadBytes(output), "old");
  options.overwrite = true;
  EXPECT_EQ(statusOf(), FileStatus::kConverted);
  EXPECT_NE(ReadBytes(output), "old");
}

TEST(ConvertJob, CancelledFromTheStartReachesNoFile) {
  const ThreeInputs inputs;
  bool fileStarted = false;
  RunCallbacks callbacks;
  callbacks.cancelRequested = [] { return true; };
  callbacks.fileStarted = [&](std::size_t) { fileStarted = true; };
  const ConvertResult result = Convert(inputs.Options(), callbacks);
  EXPECT_TRUE(result.cancelled);
  ASSERT_EQ(result.outcomes.size(), 3u);
  for (const FileOutcome& outcome : result.outcomes) {
    EXPECT_EQ(outcome.status, FileStatus::kNotReached) << outcome.input;
  }
  EXPECT_FALSE(fileStarted);
  EXPECT_TRUE(inputs.folder.Listing("out").empty());
}

}  // namespace
}  // namespace pelcon::jobs
