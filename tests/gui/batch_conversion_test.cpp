#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>
#include <sstream>

#include "component/conversion_driver.hpp"
#include "export/settings.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"
#include "tests/ui/scoped_registry.hpp"
#include "ui/qt/batch_dialog.hpp"

namespace pelcon::ui {
namespace {

using testing::Child;
using testing::NoticeLog;
using testing::WaitUntil;
using Entry = NoticeLog::Entry;

constexpr platform::NoticeIcon kInformation = platform::NoticeIcon::kInformation;

// Runs of the batch dialog through the real conversion driver over builder-made log files.
class BatchConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(templatePath_, ",\n-----\nTemperature (C)\nLevel/Depth (ft)\n");
    WriteDefaultTemplatePath(templatePath_);
    dialog_ = std::make_unique<BatchDialog>(ConvertLogFile);
    dialog_->show();
  }

  std::string LogFile(const std::string& name, int records) {
    test_support::LogFileDescription description = test_support::LodaxDescription();
    description.records.assign(static_cast<size_t>(records), {2150, 10000});
    const std::string path = scratch_.File(name);
    EXPECT_TRUE(test_support::WriteFile(path, test_support::Build(description)));
    return path;
  }

  void Convert() {
    QTest::mouseClick(&Child<QPushButton>(*dialog_, "convertButton"), Qt::LeftButton);
  }

  std::vector<Entry> Finished() {
    EXPECT_TRUE(WaitUntil([&] { return !dialog_->Running(); }, 60000));
    EXPECT_TRUE(WaitUntil([&] {
      return !notices_.Entries().empty() && notices_.Entries().back().icon == kInformation;
    }));
    return notices_.Entries();
  }

  // The CSV lines (CR LF ends), without their line ends.
  static std::vector<std::string> CsvLines(const std::string& logFile) {
    std::istringstream text(testing::ReadBytes(logFile + ".csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
      EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
      if (!line.empty()) line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  testing::ScratchDirectory scratch_;
  testing::ScopedRegistry registry_{scratch_};
  NoticeLog notices_;
  std::string templatePath_ = scratch_.File("level.bft");
  std::unique_ptr<BatchDialog> dialog_;
};

TEST_F(BatchConversion, ConvertsEveryListedFile) {
  const std::vector<std::string> files{LogFile("a.bin", 3), LogFile("b.bin", 4),
                                       LogFile("c.BIN", 5)};
  dialog_->AddFiles(files);
  Convert();
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion complete\n3 of 3 files converted", kInformation}}));
  // No header sections: the title line, then one line of two cells per record.
  for (size_t i = 0; i < files.size(); ++i) {
    const std::vector<std::string> lines = CsvLines(files[i]);
    ASSERT_EQ(lines.size(), 1 + 3 + i) << files[i];
    EXPECT_EQ(lines[0], "Temperature (C),Level/Depth (ft)");
    for (size_t line = 1; line < lines.size(); ++line) {
      EXPECT_EQ(std::count(lines[line].begin(), lines[line].end(), ','), 1) << lines[line];
    }
  }
}

TEST_F(BatchConversion, CancelLeavesThePartOfTheFileWrittenSoFar) {
  constexpr int kRecords = 200000;
  const std::string large = LogFile("large.bin", kRecords);
  const std::string next = LogFile("next.bin", 3);
  dialog_->AddFiles(std::vector{large, next});
  Convert();
  auto& bar = Child<QProgressBar>(*dialog_, "fileProgress");
  ASSERT_TRUE(WaitUntil([&] { return bar.maximum() == kRecords && bar.value() >= 10; }));
  Convert();  // Cancel
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion cancelled\n0 of 2 files converted", kInformation}}));
  const std::vector<std::string> lines = CsvLines(large);
  ASSERT_GE(lines.size(), 11u);
  EXPECT_LT(lines.size(), size_t{kRecords + 1});
  EXPECT_EQ(lines[0], "Temperature (C),Level/Depth (ft)");
  EXPECT_FALSE(platform::FileExists(next + ".csv"));
}

TEST_F(BatchConversion, AFileThatCannotBeLoadedGivesErrors) {
  const std::string broken = scratch_.File("broken.bin");
  testing::WriteBytes(broken, "not a log file");
  const std::string good = LogFile("good.bin", 3);
  dialog_->AddFiles(std::vector{broken, good});
  Convert();
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Unable to load file\n" + broken, platform::NoticeIcon::kStop},
                                {"Conversion had errors\n1 of 2 files converted", kInformation}}));
  EXPECT_EQ(CsvLines(good).size(), 4u);
}

// One good file, one that cannot be loaded, one cancelled part way and one never reached: the
// results list says which is which, and a double click opens the folder of an output.
TEST_F(BatchConversion, TheResultsListTellsHowEachFileWent) {
  constexpr int kRecords = 200000;
  const std::string good = LogFile("good.bin", 3);
  const std::string broken = scratch_.File("broken.bin");
  testing::WriteBytes(broken, "not a log file");
  const std::string large = LogFile("large.bin", kRecords);
  const std::string next = LogFile("next.bin", 3);
  std::vector<std::string> opened;
  dialog_->SetFolderOpener([&](const std::string& folder) { opened.push_back(folder); });
  dialog_->AddFiles(std::vector{good, broken, large, next});
  Convert();
  auto& bar = Child<QProgressBar>(*dialog_, "fileProgress");
  ASSERT_TRUE(WaitUntil([&] { return bar.maximum() == kRecords && bar.value() >= 10; }));
  Convert();  // Cancel
  Finished();

  auto& results = Child<QTreeWidget>(*dialog_, "resultsList");
  ASSERT_EQ(results.topLevelItemCount(), 4);
  const auto cell = [&](int row, int column) {
    return results.topLevelItem(row)->text(column).toStdString();
  };
  EXPECT_EQ(cell(0, 0), "good.bin");
  EXPECT_EQ(cell(0, 1), "converted");
  EXPECT_EQ(cell(0, 2), "3");
  EXPECT_EQ(cell(0, 3), good + ".csv");
  EXPECT_EQ(cell(1, 1), "failed");
  EXPECT_EQ(cell(1, 3), "");
  EXPECT_EQ(cell(1, 4), "Unable to load file " + broken);
  EXPECT_EQ(cell(2, 1), "cancelled");
  // The records written are the data lines of the partial file.
  EXPECT_EQ(cell(2, 2), std::to_string(CsvLines(large).size() - 1));
  EXPECT_EQ(cell(3, 1), "not reached");
  EXPECT_EQ(cell(3, 2), "");
  EXPECT_EQ(cell(3, 3), "");

  for (int row : {1, 0}) {
    const QPoint line = results.visualItemRect(results.topLevelItem(row)).center();
    QTest::mouseClick(results.viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(results.viewport(), Qt::LeftButton, {}, line);
  }
  EXPECT_EQ(opened, std::vector<std::string>{scratch_.File("")});
}

TEST_F(BatchConversion, AMissingTemplateFailsEveryFileWithoutAMessageOfItsOwn) {
  const std::string file = LogFile("a.bin", 3);
  std::filesystem::remove(templatePath_);
  dialog_->AddFiles(std::vector{file});
  Convert();
  EXPECT_EQ(Finished(),
            std::vector<Entry>({{"Conversion had errors\n0 of 1 file converted", kInformation}}));
  EXPECT_FALSE(platform::FileExists(file + ".csv"));
}

}  // namespace
}  // namespace pelcon::ui
