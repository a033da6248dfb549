#include "component/conversion_driver.hpp"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "export/settings.hpp"
#include "platform/output_file.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scoped_registry_override.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"
#include "values/log_file_reader.hpp"

// Expected cell texts are the formats' output for values the builder puts into the file: the
// test starts on 15 March 2009 at 14:30:00 and records one minute apart, so the time stamps of
// the three records of the default Lodax file read 03/15/09 14:30:00, 14:31:00 and 14:32:00.

namespace pelcon {
namespace {

using pelcon::testing::NoticeRecorder;
using pelcon::testing::ReadBytes;
using pelcon::testing::ScopedEnvironment;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;
using platform::NoticeIcon;

constexpr std::string_view kUnexpected =
    "An unexpected library error occurred.\nPlease contact Tarvel Technical Support.";

// Remembers what the driver told the progress bar, in order.
class ProgressRecorder final : public ProgressSink {
 public:
  void SetRange(int minimum, int maximum) override {
    calls.push_back("range " + std::to_string(minimum) + " " + std::to_string(maximum));
  }
  void SetPosition(int position) override {
    calls.push_back("pos " + std::to_string(position));
    if (cancelAt && position == *cancelAt) cancel->Set(true);
  }
  void Redraw() override { calls.push_back("redraw"); }

  std::vector<std::string> calls;
  // Requests a cancel when the bar reaches this position.
  std::optional<int> cancelAt;
  CancelFlag* cancel = nullptr;
};

class ConversionDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteLog("well.bin", test_support::LodaxDescription());
    WriteTemplate(",\n-----\nTime - Time Stamp\nSite - Unit Name\n");
  }

  std::string WriteLog(const std::string& name, const test_support::LogFileDescription& d) {
    logPath = scratch.File(name);
    EXPECT_TRUE(test_support::WriteFile(logPath, test_support::Build(d)));
    return logPath;
  }
  void WriteTemplate(std::string_view text) { WriteBytes(templatePath, text); }

  ResultCode Convert(ProgressSink* progress = nullptr, const CancelFlag* cancel = nullptr) {
    return ConvertLogFile(logPath, templatePath, progress, cancel);
  }
  std::string Csv() const { return ReadBytes(logPath + ".csv"); }

  ScratchDirectory scratch;
  ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
#ifdef _WIN32
  testing::ScopedRegistryOverride emptyRegistry;
#endif
  ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  NoticeRecorder notices;
  std::string logPath;
  std::string templatePath = scratch.File("level.bft");
};

constexpr std::string_view kDefaultLines =
    "Time - Time Stamp,Site - Unit Name\r\n"
    "03/15/09 14:30:00,WELL 7\r\n"
    "03/15/09 14:31:00,WELL 7\r\n"
    "03/15/09 14:32:00,WELL 7\r\n";

TEST_F(ConversionDriverTest, WritesTitleAndOneCrLfLinePerRecordBesideTheLogFile) {
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(), kDefaultLines);
  EXPECT_TRUE(notices.shown.empty());
}

TEST_F(ConversionDriverTest, ExtensionIsBinInAnyLetterCase) {
  for (const char* name : {"upper.BIN", "mixed.Bin"}) {
    WriteLog(name, test_support::LodaxDescription());
    EXPECT_EQ(Convert(), kResultOk) << name;
    EXPECT_EQ(Csv(), kDefaultLines) << name;
  }
}

TEST_F(ConversionDriverTest, OtherExtensionsAreRefusedSilentlyWithoutTouchingAnything) {
  std::filesystem::create_directory(scratch.File("a.bin"));
  for (const std::string& path :
       {scratch.File("well.dat"), scratch.File("nodot"), scratch.File("a.bin/x")}) {
    WriteBytes(path, ReadBytes(logPath));
    ProgressRecorder progress;
    std::string noTemplate;
    EXPECT_EQ(ConvertLogFile(path, noTemplate, &progress, nullptr), kResultFail) << path;
    EXPECT_TRUE(progress.calls.empty()) << path;
    EXPECT_EQ(noTemplate, "") << path;
    EXPECT_FALSE(std::filesystem::exists(path + ".csv")) << path;
  }
  EXPECT_TRUE(notices.shown.empty());
}

TEST_F(ConversionDriverTest, MissingFilesAreReportedByCodeAlone) {
  std::string missingLog = scratch.File("gone.bin");
  std::string missingTemplate = scratch.File("gone.bft");
  EXPECT_EQ(ConvertLogFile(missingLog, templatePath, nullptr, nullptr), kResultLogFileMissing);
  // The log file is checked first.
  EXPECT_EQ(ConvertLogFile(missingLog, missingTemplate, nullptr, nullptr), kResultLogFileMissing);
  EXPECT_EQ(ConvertLogFile(logPath, missingTemplate, nullptr, nullptr), kResultTemplateMissing);
  EXPECT_TRUE(notices.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(logPath + ".csv"));
}

TEST_F(ConversionDriverTest, EmptyTemplatePathTakesTheDefaultTemplate) {
  std::string empty;
  EXPECT_EQ(ConvertLogFile(logPath, empty, nullptr, nullptr), kResultTemplateMissing);
  EXPECT_EQ(empty, "");

  ASSERT_TRUE(WriteDefaultTemplatePath(templatePath));
  EXPECT_EQ(ConvertLogFile(logPath, empty, nullptr, nullptr), kResultOk);
  EXPECT_EQ(empty, templatePath);  // the caller learns which template was used
  EXPECT_EQ(Csv(), kDefaultLines);
}

TEST_F(ConversionDriverTest, UnreadableTemplateFailsToOpenAfterItsMessage) {
  // A folder exists but cannot be read as a file, whoever runs the test.
  templatePath = scratch.File("folder.bft");
  std::filesystem::create_directory(templatePath);
  EXPECT_EQ(Convert(), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].icon, NoticeIcon::kStop);
  EXPECT_NE(notices.shown[0].text.find(templatePath), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(logPath + ".csv"));
}

TEST_F(ConversionDriverTest, LogFileThatDoesNotLoadIsNamedInTheMessage) {
  WriteBytes(logPath, "not a log file");
  EXPECT_EQ(Convert(), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].text, "Unable to load file\n" + logPath);
  EXPECT_EQ(notices.shown[0].icon, NoticeIcon::kStop);
  EXPECT_EQ(notices.shown[0].caption, "Tarvel Pelcon");
  EXPECT_FALSE(std::filesystem::exists(logPath + ".csv"));
}

TEST_F(ConversionDriverTest, EmptyColumnListGivesEmptyLines) {
  WriteTemplate(",\n-----\nHeader Test Def Enabled\n");
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(),
            "\"Test type:\",Linear\r\n"
            "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\r\n"
            "\"Time between data points:\",\"0\",\"0\",\"1\",\"0\"\r\n"
            "\"Number of data samples:\",3\r\n"
            "\r\n\r\n"
            "\r\n"
            "\r\n\r\n\r\n");
}

TEST_F(ConversionDriverTest, UnknownEntryKeepsItsTitleAndShowsTheEmptyFieldText) {
  WriteTemplate(";\nn/a\nDEPTH_FEET\ntime - time stamp\nSite - Test Name\n");
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(),
            "DEPTH_FEET;time - time stamp;Site - Test Name\r\n"
            "n/a;03/15/09 14:30:00;PUMP TEST\r\n"
            "n/a;03/15/09 14:31:00;PUMP TEST\r\n"
            "n/a;03/15/09 14:32:00;PUMP TEST\r\n");
}

TEST_F(ConversionDriverTest, EmptySiteNamesShowTheEmptyFieldText) {
  test_support::LogFileDescription lodax = test_support::LodaxDescription();
  lodax.unitName.clear();
  lodax.records.resize(1);
  WriteLog("well.bin", lodax);
  WriteTemplate("\t\n?\nSite - Unit Name\nSite - Unit Name\n");
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(), "Site - Unit Name\tSite - Unit Name\r\n?\t?\r\n");
}

TEST_F(ConversionDriverTest, FieldsHoldingTheSeparatorOrAQuoteAreQuoted) {
  test_support::LogFileDescription lodax = test_support::LodaxDescription();
  lodax.unitName = "WELL 7;8";
  lodax.testName = "\"A\"";
  lodax.records.resize(1);
  WriteLog("well.bin", lodax);
  WriteTemplate(";\nnone;yet\nSite - Unit Name\nSite - Test Name\nUnknown \"x\"\nLevel;Depth\n");
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(),
            "Site - Unit Name;Site - Test Name;\"Unknown \"\"x\"\"\";\"Level;Depth\"\r\n"
            "\"WELL 7;8\";\"\"\"A\"\"\";\"none;yet\";\"none;yet\"\r\n");
}

TEST_F(ConversionDriverTest, CaseInsensitiveEntryGivesTheSameCellAsTheTableName) {
  WriteTemplate(",\n-----\nTemperature (C)\ntemperature (c)\nTEMPERATURE (C)\n");
  EXPECT_EQ(Convert(), kResultOk);
  const std::string csv = Csv();
  const std::string title = "Temperature (C),temperature (c),TEMPERATURE (C)\r\n";
  ASSERT_EQ(csv.substr(0, title.size()), title);
  std::string::size_type lineStart = title.size();
  for (int line = 0; line < 3; ++line) {
    const std::string::size_type end = csv.find("\r\n", lineStart);
    ASSERT_NE(end, std::string::npos);
    const std::string cells = csv.substr(lineStart, end - lineStart);
    const std::string first = cells.substr(0, cells.find(','));
    EXPECT_EQ(cells, first + "," + first + "," + first);
    lineStart = end + 2;
  }
}

TEST_F(ConversionDriverTest, ValuesThatAreNotFiniteShowTheEmptyFieldText) {
  // All calibration coefficients zero: the temperature divides 0 by R0 = 0 (NaN), conductivity
  // divides by a polynomial of 0 (not finite either way).
  test_support::LogFileDescription vorta = test_support::VortaDescription();
  vorta.channelCodes = {1, 45};
  vorta.records = {{2150, 20000, 30000, 25000, 20000}};
  WriteLog("sonde.bin", vorta);
  WriteTemplate(",\nn/a\nTemperature (C)\nConductivity (OHMS)\nTime - Time Stamp\n");
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(),
            "Temperature (C),Conductivity (OHMS),Time - Time Stamp\r\n"
            "n/a,n/a,03/15/09 14:30:00\r\n");
}

TEST_F(ConversionDriverTest, ProgressIsRangedMovedAndRedrawnPerRecord) {
  ProgressRecorder progress;
  EXPECT_EQ(Convert(&progress), kResultOk);
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"pos 0", "range 0 3", "pos 1", "redraw",
                                                      "pos 2", "redraw", "pos 3", "redraw"}));
}

TEST_F(ConversionDriverTest, FileWithoutRecordsHasHeaderAndTitleOnlyAndNoRange) {
  test_support::LogFileDescription lodax = test_support::LodaxDescription();
  lodax.records.clear();
  WriteLog("empty.bin", lodax);
  WriteTemplate(",\n-----\nSite - Unit Name\nHeader General Info Enabled\n");
  ProgressRecorder progress;
  EXPECT_EQ(Convert(&progress), kResultOk);
  EXPECT_EQ(progress.calls, std::vector<std::string>{"pos 0"});
  EXPECT_EQ(Csv(),
            "\"Report generated\",2024/05/06 07:08:09\r\n"
            "\"Report from file:\",empty.bin.csv\r\n"
            "\r\n\r\n"
            "Site - Unit Name\r\n");
}

TEST_F(ConversionDriverTest, CancelBeforeTheFirstRecordKeepsHeaderAndTitle) {
  CancelFlag cancel;
  cancel.Set(true);
  ProgressRecorder progress;
  EXPECT_EQ(Convert(&progress, &cancel), kResultOk);
  EXPECT_EQ(Csv(), "Time - Time Stamp,Site - Unit Name\r\n");
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"pos 0", "range 0 3"}));
}

TEST_F(ConversionDriverTest, CancelIsPolledBeforeEveryRecord) {
  CancelFlag cancel;
  ProgressRecorder progress;
  progress.cancel = &cancel;
  progress.cancelAt = 2;  // set while the second record is being finished
  EXPECT_EQ(Convert(&progress, &cancel), kResultOk);
  EXPECT_EQ(Csv(),
            "Time - Time Stamp,Site - Unit Name\r\n"
            "03/15/09 14:30:00,WELL 7\r\n"
            "03/15/09 14:31:00,WELL 7\r\n");
}

TEST_F(ConversionDriverTest, ExistingCsvFileIsReplaced) {
  WriteBytes(logPath + ".csv", std::string(10000, 'x'));
  EXPECT_EQ(Convert(), kResultOk);
  EXPECT_EQ(Csv(), kDefaultLines);
}

TEST_F(ConversionDriverTest, CsvFileHeldByAnotherWriterIsLeftAlone) {
  int error = 0;
  std::optional<platform::OutputFile> other =
      platform::OutputFile::OpenExclusive(logPath + ".csv", error);
  ASSERT_TRUE(other);
  ASSERT_TRUE(other->Write("the other writer's data") && other->Flush());
  EXPECT_EQ(Convert(), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].text, "Unable to open export file");
  EXPECT_EQ(notices.shown[0].icon, NoticeIcon::kStop);
  // Windows lets nobody read the file while the other writer holds it.
  ASSERT_TRUE(other->Close());
  EXPECT_EQ(Csv(), "the other writer's data");
}

// Linux only: Windows has no file size limit to provoke a write failure with.
#ifndef _WIN32
// Lowers the process's file size limit so that writes beyond it fail (with EFBIG, the signal
// ignored) for as long as it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int);
};

TEST_F(ConversionDriverTest, WriteFailureIsAnUnexpectedErrorAndKeepsWhatWasWritten) {
  test_support::LogFileDescription lodax = test_support::LodaxDescription();
  lodax.records.assign(20000, {2150, 10000});  // far more than the limit below
  WriteLog("big.bin", lodax);
  ResultCode result;
  {
    FileSizeLimit limit(100000);
    result = Convert();
  }
  EXPECT_EQ(result, kResultFail);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].text, kUnexpected);
  EXPECT_EQ(notices.shown[0].icon, NoticeIcon::kNone);
  const std::string csv = Csv();
  EXPECT_GT(csv.size(), 0u);
  EXPECT_LE(csv.size(), 100000u);
  EXPECT_EQ(csv.substr(0, 36), "Time - Time Stamp,Site - Unit Name\r\n");
}

#endif

class CellTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::LogFileDescription lodax = test_support::LodaxDescription();
    ASSERT_TRUE(test_support::WriteFile(path, test_support::Build(lodax)));
    ASSERT_NE(reader.Open(path), 0);
    ASSERT_EQ(reader.FirstRecord(), 0);
  }

  ScratchDirectory scratch;
  ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  std::string path = scratch.File("cells.bin");
  LogFileReader reader;
};

TEST_F(CellTextTest, AnswersTheCurrentRecordAndTheSiteColumns) {
  EXPECT_EQ(GetCellText(&reader, "Time - Time Stamp"), "03/15/09 14:30:00");
  EXPECT_EQ(GetCellText(&reader, "site - unit name"), "WELL 7");
  EXPECT_EQ(GetCellText(&reader, "Site - Test Name"), "PUMP TEST");
  ASSERT_EQ(reader.NextRecord(0), 1);
  EXPECT_EQ(GetCellText(&reader, "TIME - TIME STAMP"), "03/15/09 14:31:00");
}

TEST_F(CellTextTest, EmptyWithoutReaderEntryOrTableRow) {
  EXPECT_EQ(GetCellText(nullptr, "Time - Time Stamp"), "");
  EXPECT_EQ(GetCellText(&reader, ""), "");
  EXPECT_EQ(GetCellText(&reader, "TIMESTAMP"), "");  // a value name, not a display name
  EXPECT_EQ(GetCellText(&reader, "Time - Time Stamp "), "");
  reader.Close();
  EXPECT_EQ(GetCellText(&reader, "Time - Time Stamp"), "");
}

}  // namespace
}  // namespace pelcon
