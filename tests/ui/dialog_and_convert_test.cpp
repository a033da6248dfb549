// The batch dialog converts with the classic driver, `pelcon convert` with the jobs' engine; given
// the same folder of log files and the same template they must tell the same of every file.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "export/path_names.hpp"
#include "jobs/convert_job.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"
#include "tests/ui/batch_run_ending.hpp"
#include "ui/batch_run.hpp"

namespace pelcon::ui {
namespace {

namespace fs = std::filesystem;
using jobs::FileOutcome;
using jobs::FileStatus;

// A level logger's download of so many records, cut by so many bytes at its end.
std::vector<std::uint8_t> LevelDownload(std::size_t records, std::size_t bytesCut = 0) {
  test_support::LogFileDescription description = test_support::LodaxDescription();
  description.records.assign(records, {2150, 10000});
  description.trailer = bytesCut == 0;
  std::vector<std::uint8_t> bytes = test_support::Build(description);
  bytes.resize(bytes.size() - bytesCut);
  return bytes;
}

struct Expected {
  std::string name;
  FileStatus status;
  std::size_t records;
};

TEST(DialogAndConvert, TellTheSameOfEveryFileAndWriteTheSameBytes) {
  testing::ScratchDirectory scratch;
  testing::ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
  // The header report's time is the same in both runs.
  testing::ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  testing::NoticeRecorder notices;  // the driver's message boxes
  const fs::path folder = scratch.Path() / "downloads";
  fs::create_directory(folder);
  const auto put = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(test_support::WriteFile((folder / name).string(), bytes));
  };
  // Lodax records are 4 bytes: two bytes cut leave half a record, which is ignored. A Lodax
  // header without its last block (19 bytes) has 6 blocks of the 7 it needs.
  put("good.bin", LevelDownload(5));
  put("cut.bin", LevelDownload(4, 2));
  put("header.bin", LevelDownload(0, 19));
  testing::WriteBytes((folder / "text.bin").string(), "Site notes, not a log file\r\n");
  const std::vector<Expected> expected{{"cut.bin", FileStatus::kConverted, 3},
                                       {"good.bin", FileStatus::kConverted, 5},
                                       {"header.bin", FileStatus::kFailed, 0},
                                       {"text.bin", FileStatus::kFailed, 0}};
  const std::string templatePath = scratch.File("level.bft");
  testing::WriteBytes(templatePath,
                      ",\n-----\nTime - Time Stamp\nTemperature (C)\nLevel/Depth (ft)\n"
                      "Header General Info Enabled\nHeader Device Info Enabled\n"
                      "Header Test Info Enabled\nHeader Test Def Enabled\n");

  jobs::ConvertOptions options;
  options.inputs = {folder.string()};
  options.templatePath = templatePath;
  options.outputDirectory = scratch.File("csv");
  options.format.encoding = outputs::TextEncoding::kWindows1252;
  options.format.time = outputs::TimeStyle::kUs;
  const jobs::ConvertResult converted = jobs::Convert(options);
  ASSERT_EQ(converted.error, "");
  std::map<std::string, FileOutcome> byName;
  for (const FileOutcome& outcome : converted.outcomes) byName[FileNameOf(outcome.input)] = outcome;

  BatchRun run(ConvertLogFile);
  std::vector<FileEntry> files;
  for (const Expected& file : expected) {
    files.push_back({(folder / file.name).string(), file.name, folder.string() + "/"});
  }
  ASSERT_TRUE(run.Start(files, templatePath, nullptr, nullptr));
  const BatchOutcome dialog = testing::RunToEnd(run);
  EXPECT_TRUE(dialog.hadErrors);
  ASSERT_EQ(dialog.files.size(), expected.size());
  ASSERT_EQ(byName.size(), expected.size());

  for (std::size_t index = 0; index < expected.size(); ++index) {
    const Expected& file = expected[index];
    SCOPED_TRACE(file.name);
    const FileOutcome& fromDialog = dialog.files[index];
    const FileOutcome& fromConvert = byName[file.name];
    EXPECT_EQ(fromDialog.input, files[index].fullPath);
    EXPECT_EQ(fromDialog.status, file.status) << fromDialog.error;
    EXPECT_EQ(fromConvert.status, file.status) << fromConvert.error;
    if (file.status != FileStatus::kConverted) {
      // Each says why in its own words, never nothing.
      EXPECT_NE(fromDialog.error, "");
      EXPECT_NE(fromConvert.error, "");
      continue;
    }
    EXPECT_EQ(fromDialog.records, file.records);
    EXPECT_EQ(fromConvert.records, file.records);
    // The classic encoding and times make convert's bytes those of the driver, header included.
    const std::string dialogBytes = testing::ReadBytes(fromDialog.output);
    EXPECT_TRUE(dialogBytes.starts_with("\"Report generated\",2024/05/06 07:08:09\r\n"));
    EXPECT_EQ(dialogBytes, testing::ReadBytes(fromConvert.output));
  }
}

}  // namespace
}  // namespace pelcon::ui
