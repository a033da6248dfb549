// `pelcon compensate` end to end: a level logger and the barometric logger made by the test
// builder, the output's header and records, refusals that write nothing, and the JSON report.

#include <cmath>
#include <cstdlib>

#include "tests/cli_e2e/compensation_loggers.hpp"

namespace pelcon::cli_e2e {
namespace {

// The number in a CSV field.
double Number(const std::string& line, std::size_t field) {
  std::size_t start = 0;
  for (std::size_t k = 0; k < field; ++k) start = line.find(',', start) + 1;
  return std::strtod(line.c_str() + start, nullptr);
}

using CompensateCommand = CliProgram;

TEST_F(CompensateCommand, WritesTheCompensatedRecordWithItsHeader) {
  WriteLog(Path("well.bin"), CompensationLevel());
  WriteLog(Path("baro.bin"), CompensationBarometer());
  const Outcome outcome = Run({"compensate", "--baro", Path("baro.bin").string(), "--gravity",
                               "9.80665", "--units", "cm", Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.out.rfind("converted", 0), 0u) << outcome.out;
  // 5 of 7 records compensated is fewer than 90 %.
  EXPECT_NE(outcome.err.find("warning: only 5 of 7 records compensated"), std::string::npos)
      << outcome.err;
  const std::vector<std::string> lines = Lines(Slurp(Path("well.bin.compensated.csv")));
  const auto title = std::find(lines.begin(), lines.end(),
                               "Time,Pressure (psi),Barometric pressure (psi),Water column (cm),"
                               "Temperature (C),Compensated");
  ASSERT_NE(title, lines.end()) << Slurp(Path("well.bin.compensated.csv"));
  EXPECT_NE(std::find(lines.begin(), title, "Density (kg/m3):,1000"), title);
  EXPECT_NE(std::find(lines.begin(), title, "Records compensated:,5"), title);
  EXPECT_NE(std::find(lines.begin(), title, "Records not compensated:,2"), title);
  ASSERT_EQ(lines.end() - title, 8);
  // In cm to two decimals.
  const auto centimetres = [](double barometric) { return CompensationMetres(barometric) * 100; };
  EXPECT_EQ(title[1].substr(0, 40), "2009-03-15T14:30:00,20.000,14.500,386.69");
  EXPECT_NEAR(Number(title[1], 3), centimetres(14.5), 0.005);
  EXPECT_NEAR(Number(title[2], 2), 14.55, 1e-9);  // between 14:30 and 14:32
  EXPECT_NEAR(Number(title[2], 3), centimetres(14.55), 0.005);
  EXPECT_EQ(title[5].substr(0, 27), "2009-03-15T14:34:00,20.000,");
  // After the barometer ends: no barometric value, nothing computed.
  EXPECT_EQ(title[6], "2009-03-15T14:35:00,20.000,,,21.50,0");
  EXPECT_EQ(title[7], "2009-03-15T14:36:00,20.000,,,21.50,0");
}

TEST_F(CompensateCommand, RefusesWithoutWritingAndReportsInJson) {
  WriteLog(Path("well.bin"), CompensationLevel());
  WriteLog(Path("baro.bin"), CompensationBarometer());
  test_support::LogFileDescription later = CompensationLevel();
  later.testStart.year = 2010;
  WriteLog(Path("later.bin"), later);

  // A level logger given as the barometer has no barometric channel.
  Outcome outcome =
      Run({"compensate", "--baro", Path("well.bin").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.err.find("has no barometric channel"), std::string::npos) << outcome.err;
  EXPECT_FALSE(fs::exists(Path("well.bin.compensated.csv")));

  outcome = Run({"compensate", "--json", "--baro", Path("baro.bin").string(), "-o",
                 Path("out").string(), "--depth-to-water", "2009-03-15T14:31:00=3.5",
                 Path("later.bin").string(), Path("baro.bin").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1) << outcome.err;
  const std::vector<std::string> reports = Lines(outcome.out);
  ASSERT_EQ(reports.size(), 3u) << outcome.out;
  EXPECT_NE(
      reports[0].find("\"error\":\"the level and barometric records do not overlap in time\""),
      std::string::npos)
      << reports[0];
  EXPECT_NE(reports[1].find("\"error\":\"the level file has no pressure channel\""),
            std::string::npos)
      << reports[1];
  EXPECT_NE(reports[2].find("\"compensated\":5"), std::string::npos) << reports[2];
  EXPECT_NE(
      reports[2].find("\"depth_to_water\":[{\"time\":\"2009-03-15T14:31:00\",\"value\":3.5}]"),
      std::string::npos)
      << reports[2];
  if (std::system("/usr/bin/python3 -c 'import jsonschema' 2>/dev/null") == 0) {
    std::ofstream(Path("report.jsonl")) << outcome.out;
    const fs::path source = PELCON_SOURCE_DIR;
    const std::string command = "/usr/bin/python3 " +
                                (source / "tests/cli_e2e/validate_json_lines.py").string() + " " +
                                (source / "docs/schemas/compensate-report-1.json").string() + " " +
                                Path("report.jsonl").string();
    EXPECT_EQ(std::system(command.c_str()), 0) << outcome.out;
  }
  EXPECT_FALSE(fs::exists(Path("out/later.bin.compensated.csv")));
  EXPECT_FALSE(fs::exists(Path("out/baro.bin.compensated.csv")));
  // The reading is tied where it was taken: 3.5 m at 14:31.
  const std::vector<std::string> lines = Lines(Slurp(Path("out/well.bin.compensated.csv")));
  const auto at1431 = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.rfind("2009-03-15T14:31:00", 0) == 0;
  });
  ASSERT_NE(at1431, lines.end());
  EXPECT_NEAR(Number(*at1431, 4), 3.5, 1e-9);
}

TEST_F(CompensateCommand, RefusesTwoLevelFilesOfOneNameInOneOutputFolder) {
  fs::create_directories(Path("a"));
  fs::create_directories(Path("b"));
  WriteLog(Path("a/well.bin"), CompensationLevel());
  WriteLog(Path("b/well.bin"), CompensationLevel());
  WriteLog(Path("baro.bin"), CompensationBarometer());
  const Outcome outcome =
      Run({"compensate", "-q", "--baro", Path("baro.bin").string(), "-o", Path("out").string(),
           Path("a/well.bin").string(), Path("b/well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  const std::vector<std::string> reports = Lines(outcome.out);
  ASSERT_EQ(reports.size(), 2u) << outcome.out;
  EXPECT_EQ(reports[0].rfind("converted", 0), 0u) << reports[0];
  // Named as convert names it: the refused input, and the one whose output it would replace.
  EXPECT_EQ(reports[1], "failed      " + Path("b/well.bin").string() +
                            ": its output is also the output of " + Path("a/well.bin").string())
      << reports[1];
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("out")), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace pelcon::cli_e2e
