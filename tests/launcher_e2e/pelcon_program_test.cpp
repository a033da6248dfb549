// Runs the built pelcon program the way a user or a script does, in a scratch directory with its
// own registry file and a fixed clock.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <locale.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/platform/scoped_environment.hpp"
#include "tests/support/decimal_comma_locales.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class PelconProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() /
                 ("pelcon-e2e-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "runtime");
    logFile_ = (directory_ / "well.bin").string();
    ASSERT_TRUE(
        test_support::WriteFile(logFile_, test_support::Build(test_support::LodaxDescription())));
    templateFile_ = (directory_ / "level.bft").string();
    std::ofstream(templateFile_, std::ios::binary)
        << ",\n-----\nTime - Time Stamp\nPressure (PSI)\n";
  }

  void TearDown() override { fs::remove_all(directory_); }

  // Runs pelcon with the arguments; environment adds or replaces variables.
  Outcome Run(const std::vector<std::string>& arguments,
              const std::vector<std::pair<std::string, std::string>>& environment = {}) {
    const fs::path out = directory_ / "stdout.txt";
    const fs::path err = directory_ / "stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) {
      const int outFile = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(outFile, 1);
      ::dup2(errFile, 2);
      ::setenv("PELCON_REGISTRY", (directory_ / "registry.reg").c_str(), 1);
      ::setenv("PELCON_NOW", "2009-03-20 10:00:00", 1);
      ::setenv("XDG_RUNTIME_DIR", (directory_ / "runtime").c_str(), 1);
      for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        ::unsetenv(display);
      }
      for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
      std::vector<char*> argv{const_cast<char*>(PELCON_PROGRAM)};
      for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
      argv.push_back(nullptr);
      ::execv(PELCON_PROGRAM, argv.data());
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
  }

  fs::path directory_;
  std::string logFile_;
  std::string templateFile_;
};

TEST_F(PelconProgram, ConvertsIntoAnOutputDirectoryWithOrWithoutATrailingSlash) {
  for (const std::string suffix : {"", "/"}) {
    fs::create_directories(directory_ / "out");
    const Outcome outcome =
        Run({"-f", logFile_, "-t", templateFile_, "-o", (directory_ / "out").string() + suffix});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(directory_ / "out" / "well.bin.csv"));
    EXPECT_FALSE(fs::exists(logFile_ + ".csv"));
    const std::string csv = Slurp(directory_ / "out" / "well.bin.csv");
    EXPECT_EQ(csv.rfind("Time - Time Stamp,Pressure (PSI)\r\n", 0), 0u) << csv;
    fs::remove_all(directory_ / "out");
  }
}

TEST_F(PelconProgram, AnExistingDestinationIsNotReplaced) {
  fs::create_directories(directory_ / "out");
  std::ofstream(directory_ / "out" / "well.bin.csv") << "keep me";
  const Outcome outcome =
      Run({"-f", logFile_, "-t", templateFile_, "-o", (directory_ / "out").string()});
  EXPECT_EQ(outcome.exitCode, 3);
  EXPECT_EQ(Slurp(directory_ / "out" / "well.bin.csv"), "keep me");
  EXPECT_TRUE(fs::exists(logFile_ + ".csv"));
}

TEST_F(PelconProgram, TemplateSwitchMayComeFirst) {
  const Outcome outcome = Run({"-t", templateFile_, "-f", logFile_});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(fs::exists(logFile_ + ".csv"));
}

TEST_F(PelconProgram, SwitchLikeTextInADirectoryNameIsPartOfThePath) {
  const fs::path odd = directory_ / "data-old-files";
  fs::create_directories(odd);
  fs::copy_file(logFile_, odd / "x.bin");
  fs::copy_file(templateFile_, odd / "t-one.bft");
  const Outcome outcome = Run({"-f", (odd / "x.bin").string(), "-t", (odd / "t-one.bft").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(fs::exists(odd / "x.bin.csv"));
}

TEST_F(PelconProgram, AMissingLogFileStopsBeforeConverting) {
  const Outcome outcome = Run({"-f", (directory_ / "absent.bin").string(), "-t", templateFile_});
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err.find("Invalid input bin file"), std::string::npos) << outcome.err;
  EXPECT_FALSE(fs::exists(directory_ / "absent.bin.csv"));
}

TEST_F(PelconProgram, AMissingTemplateIsReportedAndTheConversionStillFails) {
  const Outcome outcome = Run({"-f", logFile_, "-t", (directory_ / "absent.bft").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.err.find("Invalid input template file"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("File conversion failed: 81000003"), std::string::npos) << outcome.err;
  EXPECT_FALSE(fs::exists(logFile_ + ".csv"));
}

TEST_F(PelconProgram, AMissingOutputDirectoryLeavesTheFileBesideTheLogFile) {
  const Outcome outcome =
      Run({"-f", logFile_, "-t", templateFile_, "-o", (directory_ / "absent").string()});
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err.find("Invalid input output directory"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("\npelcon: Converted into " + logFile_ +
                             ".csv, beside the log file: the output directory does not exist\n"),
            std::string::npos)
      << outcome.err;
  EXPECT_TRUE(fs::exists(logFile_ + ".csv"));
}

TEST_F(PelconProgram, PrintsTheUsageText) {
  for (const std::string argument : {"-?", "--help"}) {
    const Outcome outcome = Run({argument});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out,
              "Useage:\n   -f: bin pathfile for conversion\n   -t: template pathfile "
              "(optional)\n   -o: output directory for converted file (optional)\n");
  }
}

TEST_F(PelconProgram, ATemplateNamedInCapitalsIsNotOpened) {
  const std::string capitals = (directory_ / "LEVEL.BFT").string();
  fs::copy_file(templateFile_, capitals);
  const Outcome outcome = Run({capitals});
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err.find("Nothing to do"), std::string::npos) << outcome.err;
}

TEST_F(PelconProgram, WithoutADisplayTheDialogsFailClearlyInsteadOfCrashing) {
  // The message names the cause: no display, or a build without dialogs.
  const Outcome batch = Run({});
  EXPECT_EQ(batch.exitCode, 6);
  EXPECT_EQ(batch.err.rfind("pelcon: ", 0), 0u) << batch.err;
  EXPECT_NE(batch.err.find("dialogs"), std::string::npos) << batch.err;

  const Outcome edit = Run({templateFile_});
  EXPECT_EQ(edit.exitCode, 6);
  EXPECT_NE(edit.err.find("dialogs"), std::string::npos) << edit.err;
}

TEST_F(PelconProgram, ASecondCopyEndsWhileTheFirstHoldsTheGuard) {
  const fs::path lock = directory_ / "runtime" / "Tarvel Pelcon.lock";
  const int held = ::open(lock.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
  const Outcome outcome = Run({"-f", logFile_, "-t", templateFile_});
  ::close(held);
  EXPECT_EQ(outcome.exitCode, 5);
  EXPECT_NE(outcome.err.find("another copy"), std::string::npos) << outcome.err;
  EXPECT_FALSE(fs::exists(logFile_ + ".csv"));
}

TEST_F(PelconProgram, TheVersionIsShown) {
  const Outcome outcome = Run({"--version"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.out, "Tarvel Pelcon 1.3.0.2\n");
}

// Each failure: the line scripts read, then one line that says what happened and what to do,
// every line of stderr starting with "pelcon: ".
TEST_F(PelconProgram, AFailedConversionSaysWhatHappenedAndWhatToDo) {
  Outcome outcome = Run({"-f", logFile_});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.err,
            "pelcon: File conversion failed: 81000003\n"
            "pelcon: No template: give one with -t, or choose a default template in the dialog\n");

  const std::string damaged = (directory_ / "damaged.bin").string();
  std::ofstream(damaged, std::ios::binary) << "not a log file";
  outcome = Run({"-f", damaged, "-t", templateFile_});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.err,
            "pelcon: Unable to load file " + damaged +
                "\n"
                "pelcon: File conversion failed: 81000002\n"
                "pelcon: The log file could not be read as a log file (damaged, cut short or of "
                "another kind), or the template could not be read; the message above names the "
                "file\n");

  // The CSV file cannot be created: the system's reason.
  fs::create_directories(logFile_ + ".csv");
  outcome = Run({"-f", logFile_, "-t", templateFile_});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.err.find("\npelcon: File conversion failed: 81000002\npelcon: " + logFile_ +
                             ".csv could not be created: Is a directory. "),
            std::string::npos)
      << outcome.err;
}

TEST_F(PelconProgram, AFullDiskNamesTheReasonAndTheFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
  const fs::path full = directory_ / "full";
  fs::create_directories(full);
  // One page, taken up by the log file: the CSV file has no room.
  ASSERT_LE(fs::file_size(logFile_), 4096u);
  if (::mount("tmpfs", full.c_str(), "tmpfs", 0, "size=4k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  fs::copy_file(logFile_, full / "well.bin");
  const std::string csv = (full / "well.bin.csv").string();
  const Outcome outcome = Run({"-f", (full / "well.bin").string(), "-t", templateFile_});
  ::umount2(full.c_str(), MNT_DETACH);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.err,
            "pelcon: An unexpected library error occurred. Please contact Tarvel Technical "
            "Support.\n"
            "pelcon: File conversion failed: 80004005\n"
            "pelcon: Writing " +
                csv +
                " failed: No space left on device. The file may be incomplete: free space or fix "
                "the cause, then convert again\n");
}

TEST_F(PelconProgram, EveryGoldenConversionIsTheSameUnderADecimalCommaLocale) {
  const fs::path golden = PELCON_GOLDEN_DIRECTORY;
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(golden)) {
    if (entry.path().extension() != ".bin") continue;
    names.push_back(entry.path().filename().string());
    fs::copy_file(entry.path(), directory_ / names.back());
  }
  ASSERT_GE(names.size(), 10u);
  for (const char* locale : test_support::kDecimalCommaLocales) {
    const locale_t probe = ::newlocale(LC_ALL_MASK, locale, static_cast<locale_t>(0));
    ASSERT_NE(probe, static_cast<locale_t>(0))
        << "no locale " << locale << ": tools/setup-debian.sh makes it";
    ::freelocale(probe);
    for (const std::string& name : names) {
      const Outcome outcome =
          Run({"-f", (directory_ / name).string(), "-t", (golden / "all_columns.bft").string()},
              {{"LC_ALL", locale}, {"PELCON_NOW", "2024-05-06 07:08:09"}});
      EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
      EXPECT_EQ(Slurp(directory_ / (name + ".csv")), Slurp(golden / (name + ".csv")))
          << name << " in " << locale;
      fs::remove(directory_ / (name + ".csv"));
    }
  }
}

// The name's bytes FF FE are not UTF-8; the path must still reach the file after its trip through
// the component's wide strings.
TEST_F(PelconProgram, AFileNameThatIsNotValidInTheLocaleStillConverts) {
  testing::ScopedEnvironment locale("LC_ALL", "C.UTF-8");
  const std::string oddName = (directory_ / "\xFF\xFE.bin").string();
  fs::copy_file(logFile_, oddName);
  const Outcome outcome = Run({"-f", oddName, "-t", templateFile_});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(fs::exists(oddName + ".csv"));
}

TEST_F(PelconProgram, ALinkInPlaceOfTheCsvFileIsNotWrittenThrough) {
  const fs::path victim = directory_ / "victim.txt";
  std::ofstream(victim, std::ios::binary) << "precious\n";
  fs::create_symlink(victim, logFile_ + ".csv");
  const Outcome outcome = Run({"-f", logFile_, "-t", templateFile_});
  EXPECT_EQ(outcome.exitCode, 1) << outcome.err;
  EXPECT_EQ(Slurp(victim), "precious\n");
  EXPECT_TRUE(fs::is_symlink(logFile_ + ".csv"));
}

}  // namespace
}  // namespace pelcon
