// `pelcon convert` end to end: folders of mixed files, the classic bytes, the new text formats,
// existing outputs, and no partial output after a full disk or an interrupt.

#include <signal.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tests/cli_e2e/cli_program.hpp"

namespace pelcon::cli_e2e {
namespace {

const fs::path kSource = PELCON_SOURCE_DIR;
const fs::path kGolden = kSource / "tests/e2e/golden";

// Every entry of a folder, hidden ones included.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

using ConvertCommand = CliProgram;

TEST_F(ConvertCommand, AFolderOfMixedFilesConvertsTheGoodOnesAndReportsTheRest) {
  WriteLog(Path("field/well 1.bin"), LevelLogger(3));
  WriteLog(Path("field/sub/well 2.bin"), LevelLogger(2));
  std::vector<std::uint8_t> cut = test_support::Build(LevelLogger(3));
  cut.resize(40);  // inside the header
  ASSERT_TRUE(test_support::WriteFile(Path("field/truncated.bin").string(), cut));
  std::ofstream(Path("field/notes.bin")) << "not a log file\n";
  std::ofstream(Path("field/readme.txt")) << "ignored: not a .bin file\n";

  const Outcome outcome = Run({"convert", "-r", "-j", "2", "-o", Path("out").string(),
                               Path("field").string(), Path("missing").string()});
  EXPECT_EQ(outcome.exitCode, 1) << outcome.err;
  EXPECT_EQ(Entries(Path("out")), (std::vector<std::string>{"well 1.bin.csv", "well 2.bin.csv"}));
  const std::vector<std::string> lines = Lines(outcome.out);
  ASSERT_EQ(lines.size(), 5u) << outcome.out;
  // In input order: the folder's files by name, then the missing input.
  EXPECT_EQ(lines[0].rfind("failed", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find("notes.bin: not a log file"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1].rfind("converted", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find("well 2.bin.csv (2 records)"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("truncated.bin: "), std::string::npos) << lines[2];
  EXPECT_EQ(lines[2].rfind("failed", 0), 0u) << lines[2];
  EXPECT_NE(lines[3].find("well 1.bin.csv (3 records)"), std::string::npos) << lines[3];
  EXPECT_NE(lines[4].find("missing: no such file or folder"), std::string::npos) << lines[4];
  // Nothing beside the log files either.
  EXPECT_EQ(Entries(Path("field")), (std::vector<std::string>{"notes.bin", "readme.txt", "sub",
                                                              "truncated.bin", "well 1.bin"}));
}

TEST_F(ConvertCommand, ClassicEncodingAndTimesGiveTheClassicBytesForEveryGoldenFile) {
  int cases = 0;
  std::vector<std::string> arguments{"convert",
                                     "--encoding",
                                     "windows-1252",
                                     "--time",
                                     "us",
                                     "-t",
                                     (kGolden / "all_columns.bft").string(),
                                     "-o",
                                     Path("out").string()};
  for (const auto& entry : fs::directory_iterator(kGolden)) {
    if (entry.path().extension() != ".bin") continue;
    fs::copy_file(entry.path(), Path(entry.path().filename().string()));
    arguments.push_back(Path(entry.path().filename().string()).string());
    ++cases;
  }
  ASSERT_GE(cases, 10);
  const Outcome outcome = Run(arguments);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  for (const auto& entry : fs::directory_iterator(kGolden)) {
    if (entry.path().extension() != ".bin") continue;
    const std::string name = entry.path().filename().string() + ".csv";
    EXPECT_EQ(Slurp(Path("out") / name), Slurp(kGolden / name)) << name;
  }
}

TEST_F(ConvertCommand, IsoTimesOffsetsAndTheDecimalComma) {
  WriteLog(Path("well.bin"), LevelLogger(2));
  const std::string columns = "Time - Time Stamp,Pressure (PSI),Temperature (C)";
  Outcome outcome = Run({"convert", "--no-header", "--utc-offset", "-03:30", "--columns", columns,
                         "-o", Path("local").string(), Path("well.bin").string()});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(Slurp(Path("local/well.bin.csv")),
            "Time - Time Stamp,Pressure (PSI),Temperature (C)\r\n"
            "2009-03-15T14:30:00-03:30,10.000,21.50\r\n"
            "2009-03-15T14:31:00-03:30,10.001,21.50\r\n");

  // 14:30 at UTC+01:00 is 13:30 UTC; a comma as decimal mark makes ';' the separator.
  outcome = Run({"convert", "--no-header", "--utc-offset", "+01:00", "--to-utc", "--decimal-comma",
                 "--columns", columns, "--name", "{stem}.csv", "-o", Path("utc").string(),
                 Path("well.bin").string()});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(Slurp(Path("utc/well.csv")),
            "Time - Time Stamp;Pressure (PSI);Temperature (C)\r\n"
            "2009-03-15T13:30:00Z;10,000;21,50\r\n"
            "2009-03-15T13:31:00Z;10,001;21,50\r\n");
}

TEST_F(ConvertCommand, WithoutHeaderPandasReadsTheFileWithNoOptions) {
  if (std::system("/usr/bin/python3 -c 'import pandas' 2>/dev/null") != 0) {
    GTEST_SKIP() << "python3-pandas is not installed";
  }
  fs::copy_file(kGolden / "vorta_sensors.bin", Path("sonde.bin"));
  WriteLog(Path("level.bin"), LevelLogger(20));
  const Outcome outcome =
      Run({"convert", "--no-header", Path("sonde.bin").string(), Path("level.bin").string()});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  // Every column the file can supply: numbers, but for the time and the two site columns. The
  // sonde's µ column titles must read as UTF-8 too.
  for (const std::string name : {"sonde.bin.csv", "level.bin.csv"}) {
    const std::string command =
        "/usr/bin/python3 " + (kSource / "tests/cli_e2e/read_with_pandas.py").string() + " '" +
        Path(name).string() + "' 'Time - Time Stamp' 'Site - Test Name' 'Site - Unit Name'";
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }
  EXPECT_NE(Slurp(Path("sonde.bin.csv")).find("Clark DO (ug/L)"), std::string::npos);
}

TEST_F(ConvertCommand, ExistingOutputsAndLinksAreLeftAloneUnlessReplacing) {
  WriteLog(Path("well.bin"), LevelLogger(3));
  fs::create_directories(Path("out"));
  std::ofstream(Path("victim.txt")) << "keep me";
  fs::create_symlink(Path("victim.txt"), Path("out/well.bin.csv"));

  Outcome outcome = Run({"convert", "-o", Path("out").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.out.rfind("exists", 0), 0u) << outcome.out;
  EXPECT_TRUE(fs::is_symlink(Path("out/well.bin.csv")));

  // Replacing puts a file where the link was; what it pointed to is untouched.
  outcome = Run({"convert", "--overwrite", "-o", Path("out").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_FALSE(fs::is_symlink(Path("out/well.bin.csv")));
  EXPECT_EQ(Slurp(Path("victim.txt")), "keep me");
  EXPECT_EQ(Entries(Path("out")), std::vector<std::string>{"well.bin.csv"});

  // The output is newer than the log file now; an older one is converted again.
  outcome = Run({"convert", "--skip-existing", "--json", "-o", Path("out").string(),
                 Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("\"status\":\"skipped\""), std::string::npos) << outcome.out;
  fs::last_write_time(Path("out/well.bin.csv"),
                      fs::last_write_time(Path("well.bin")) - std::chrono::hours(1));
  outcome = Run({"convert", "--skip-existing", "--overwrite", "-o", Path("out").string(),
                 Path("well.bin").string()});
  EXPECT_EQ(outcome.out.rfind("converted", 0), 0u) << outcome.out;

  // No pattern makes an output of a log file, not even with --overwrite.
  const std::string before = Slurp(Path("well.bin"));
  outcome = Run({"convert", "--overwrite", "--name", "{name}", Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.out.find("would replace the input"), std::string::npos) << outcome.out;
  EXPECT_EQ(Slurp(Path("well.bin")), before);

  // A dry run writes nothing.
  outcome = Run({"convert", "--dry-run", "-o", Path("dry").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.out.rfind("would-write", 0), 0u) << outcome.out;
  EXPECT_FALSE(fs::exists(Path("dry")));
}

TEST_F(ConvertCommand, JsonReportsFollowTheirSchema) {
  if (std::system("/usr/bin/python3 -c 'import jsonschema' 2>/dev/null") != 0) {
    GTEST_SKIP() << "python3-jsonschema is not installed";
  }
  WriteLog(Path("in/well.bin"), LevelLogger(3));
  std::ofstream(Path("in/bad.bin")) << "x";
  const Outcome outcome =
      Run({"convert", "--json", "-o", Path("out").string(), Path("in").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  std::ofstream(Path("report.jsonl")) << outcome.out;
  const std::string command = "/usr/bin/python3 " +
                              (kSource / "tests/cli_e2e/validate_json_lines.py").string() + " " +
                              (kSource / "docs/schemas/convert-report-1.json").string() + " " +
                              Path("report.jsonl").string();
  EXPECT_EQ(std::system(command.c_str()), 0) << outcome.out;
  EXPECT_NE(outcome.out.find("\"first_record\":\"2009-03-15T14:30:00\""), std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\"last_record\":\"2009-03-15T14:32:00\""), std::string::npos);
  EXPECT_NE(outcome.out.find("\"serial_number\":4711"), std::string::npos);
}

TEST_F(ConvertCommand, UsageErrorsNameTheArgumentAndExitWithTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"convert"},
        {"convert", "--jobs", "0", "x.bin"},
        {"convert", "--colour", "x.bin"},
        {"convert", "--columns", "Depth (furlongs)", "x.bin"},
        {"convert", "--to-utc", "x.bin"},
        {"convert", "--utc-offset", "1:00", "x.bin"},
        {"convert", "--encoding", "latin-1", "x.bin"}}) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.exitCode, 2) << arguments[1];
    EXPECT_EQ(outcome.err.rfind("pelcon convert: ", 0), 0u) << outcome.err;
    if (arguments.size() > 2) {
      EXPECT_NE(outcome.err.find(arguments[1]), std::string::npos) << outcome.err;
    }
  }
  // "--" ends the options: a log file may be called "--help".
  WriteLog(Path("--help"), LevelLogger(1));
  const Outcome outcome = Run({"convert", "-o", Path("out").string(), "--", "--help"});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
}

TEST_F(ConvertCommand, AFullDiskLeavesNoPartialOutput) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
  fs::create_directories(Path("full"));
  if (::mount("tmpfs", Path("full").c_str(), "tmpfs", 0, "size=16k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  }
  WriteLog(Path("big.bin"), LevelLogger(5000));
  WriteLog(Path("small.bin"), LevelLogger(1));
  const Outcome outcome = Run({"convert", "--no-header", "-j", "1", "-o", Path("full").string(),
                               Path("big.bin").string(), Path("small.bin").string()});
  const std::vector<std::string> left = Entries(Path("full"));
  ::umount(Path("full").c_str());
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.out.find("big.bin: cannot write"), std::string::npos) << outcome.out;
  EXPECT_EQ(left, std::vector<std::string>{"small.bin.csv"});
}

TEST_F(ConvertCommand, AnInterruptEndsWith130AndLeavesOnlyWholeFiles) {
  const int files = 12;
  for (int k = 0; k < files; ++k)
    WriteLog(Path("in/well" + std::to_string(k) + ".bin"), LevelLogger(20000));
  ASSERT_EQ(Run({"convert", "--no-header", "-o", Path("reference").string(),
                 Path("in/well0.bin").string()})
                .exitCode,
            0);
  const std::string whole = Slurp(Path("reference/well0.bin.csv"));

  fs::remove(Path("stdout.txt"));  // the reference run's report
  const pid_t child =
      Start({"convert", "--no-header", "-j", "1", "-o", Path("out").string(), Path("in").string()});
  // Interrupt once the first file is reported, while the others are still to come.
  while (Slurp(Path("stdout.txt")).find('\n') == std::string::npos) {
    if (::waitpid(child, nullptr, WNOHANG) != 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::kill(child, SIGINT);
  const Outcome outcome = Finish(child);
  ASSERT_EQ(outcome.exitCode, 130) << outcome.err;
  const std::vector<std::string> left = Entries(Path("out"));
  EXPECT_GE(left.size(), 1u);
  EXPECT_LT(left.size(), static_cast<std::size_t>(files));
  for (const std::string& name : left) {
    EXPECT_EQ(name.find(".bin.csv"), name.size() - 8) << name;
    EXPECT_EQ(Slurp(Path("out") / name), whole) << name;
  }
}

}  // namespace
}  // namespace pelcon::cli_e2e
