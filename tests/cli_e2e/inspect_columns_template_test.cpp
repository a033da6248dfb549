// `pelcon inspect`, `pelcon columns` and `pelcon template` end to end.

#include <cstdlib>

#include "tests/cli_e2e/cli_program.hpp"

namespace pelcon::cli_e2e {
namespace {

const fs::path kSource = PELCON_SOURCE_DIR;

using InfoCommands = CliProgram;

TEST_F(InfoCommands, InspectShowsTheHeaderAndItsJsonFollowsTheSchema) {
  test_support::LogFileDescription description = LevelLogger(3);
  description.interval = {0, 0, 15, 0, 0};
  WriteLog(Path("well.bin"), description);
  std::ofstream(Path("bad.bin")) << "x";

  Outcome outcome = Run({"inspect", Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  for (const std::string expected :
       {"serial 4711, firmware 213", "WELL 7", "PUMP TEST (Linear)", "interval_seconds 900",
        "Started:        2009-03-15T14:30:00", "Stopped:        2009-03-16T08:00:00",
        "Records:        3, 2009-03-15T14:30:00 to 2009-03-15T15:00:00",
        "Pressure (PSI) (PSI, psi)"}) {
    EXPECT_NE(outcome.out.find(expected), std::string::npos) << expected << "\n" << outcome.out;
  }

  // A file cut inside its last record: the partial record is ignored and said so.
  description.trailer = false;
  std::vector<std::uint8_t> cut = test_support::Build(description);
  cut.pop_back();
  ASSERT_TRUE(test_support::WriteFile(Path("cut.bin").string(), cut));

  outcome = Run({"inspect", "--json", Path("well.bin").string(), Path("bad.bin").string(),
                 Path("cut.bin").string()});
  EXPECT_EQ(outcome.exitCode, 1);
  ASSERT_EQ(Lines(outcome.out).size(), 3u);
  EXPECT_NE(Lines(outcome.out)[0].find("\"load_problems\":[]"), std::string::npos);
  EXPECT_EQ(Lines(outcome.out)[2].find("\"load_problems\":[]"), std::string::npos);
  EXPECT_NE(Lines(outcome.out)[2].find("\"count\":2"), std::string::npos) << outcome.out;
  EXPECT_NE(outcome.out.find("\"error\":\"not a log file\""), std::string::npos) << outcome.out;
  if (std::system("/usr/bin/python3 -c 'import jsonschema' 2>/dev/null") != 0) {
    GTEST_SKIP() << "python3-jsonschema is not installed";
  }
  std::ofstream(Path("inspect.jsonl")) << outcome.out;
  const std::string command =
      "/usr/bin/python3 " + (kSource / "tests/cli_e2e/validate_json_lines.py").string() + " " +
      (kSource / "docs/schemas/inspect-1.json").string() + " " + Path("inspect.jsonl").string();
  EXPECT_EQ(std::system(command.c_str()), 0) << outcome.out;
}

TEST_F(InfoCommands, ColumnsListsAllAndMarksWhatAFileCannotSupply) {
  Outcome outcome = Run({"columns"});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  const std::vector<std::string> lines = Lines(outcome.out);
  EXPECT_EQ(lines.size(), 54u);
  // The micro sign comes out as UTF-8.
  EXPECT_NE(outcome.out.find("Conductivity (\xC2\xB5S Actual)\tCTX_MICROSIEMENS\t"),
            std::string::npos);

  WriteLog(Path("well.bin"), LevelLogger(2));
  outcome = Run({"columns", "--json", Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(Lines(outcome.out).size(), 54u);
  EXPECT_NE(outcome.out.find("{\"supplied\":true,\"title\":\"Level/Depth (ft)\""),
            std::string::npos)
      << outcome.out;
  // A level logger has no pH electrode.
  EXPECT_NE(outcome.out.find("{\"supplied\":false,\"title\":\"pH\""), std::string::npos);
}

TEST_F(InfoCommands, TemplateNewWritesWhatShowReadsAndReplacesOnlyWhenAsked) {
  const std::string path = Path("level.bft").string();
  Outcome outcome =
      Run({"template", "new", path, "--columns", "Time - Time Stamp, Level/Depth (m)",
           "--separator", ";", "--empty-field", "", "--sections", "device,test-info"});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  outcome = Run({"template", "show", "--json", path});
  EXPECT_EQ(outcome.out,
            "{\"columns\":[\"Time - Time Stamp\",\"Level/Depth (m)\"],\"empty_field\":\"\","
            "\"path\":\"" +
                path +
                "\",\"schema\":1,\"sections\":[\"device\",\"test-info\"],"
                "\"separator\":\";\"}\n");

  outcome = Run({"template", "new", path});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.err.find("--overwrite"), std::string::npos) << outcome.err;
  outcome = Run({"template", "new", "--overwrite", path});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  outcome = Run({"template", "show", path});
  EXPECT_EQ(Lines(outcome.out).size(), 4u + 54u) << outcome.out;

  // The template drives a conversion: its separator, and an empty cell where a file has no value.
  WriteLog(Path("well.bin"), LevelLogger(1));
  Run({"template", "new", Path("two.bft").string(), "--columns", "pH,Level/Depth (ft)",
       "--separator", ";", "--empty-field", "-", "--sections", "none"});
  outcome = Run({"convert", "-t", Path("two.bft").string(), Path("well.bin").string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  const std::vector<std::string> csv = Lines(Slurp(Path("well.bin.csv")));
  ASSERT_EQ(csv.size(), 2u);
  EXPECT_EQ(csv[0], "pH;Level/Depth (ft)");
  EXPECT_EQ(csv[1].rfind("-;", 0), 0u) << csv[1];
}

}  // namespace
}  // namespace pelcon::cli_e2e
