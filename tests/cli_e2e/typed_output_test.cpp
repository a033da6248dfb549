// `pelcon convert --format xlsx|netcdf` and `--metadata`, read back by the tools their users
// have: openpyxl, netCDF4 and ncdump.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli_e2e/cli_program.hpp"

namespace pelcon::cli_e2e {
namespace {

const fs::path kSource = PELCON_SOURCE_DIR;
const fs::path kGolden = kSource / "tests/e2e/golden";

bool HasPythonModules() {
  return std::system("/usr/bin/python3 -c 'import openpyxl, netCDF4' 2>/dev/null") == 0;
}

class TypedOutputs : public CliProgram {};

TEST_F(TypedOutputs, WorkbookAndNetcdfHoldTheCsvValuesCellForCell) {
  if (!HasPythonModules()) GTEST_SKIP() << "python3-openpyxl or python3-netcdf4 is missing";
  // Sub-second records (logarithmic), significant-digit columns (sonde) and, through the
  // template, columns the files cannot supply.
  const std::string bft = (kGolden / "all_columns.bft").string();
  for (const std::string name : {"lodax_logarithmic.bin", "vorta_sensors.bin"}) {
    fs::copy_file(kGolden / name, Path(name));
    for (const std::string format : {"csv", "xlsx", "netcdf"}) {
      const Outcome outcome = Run({"convert", "-q", "--no-header", "-t", bft, "--format", format,
                                   "--utc-offset", "-05:30", Path(name).string()});
      ASSERT_EQ(outcome.exitCode, 0) << format << " " << outcome.err;
    }
    const std::string command =
        "/usr/bin/python3 " + (kSource / "tests/cli_e2e/check_typed_outputs.py").string() + " '" +
        Path(name + ".csv").string() + "' '" + Path(name + ".xlsx").string() + "' '" +
        Path(name + ".nc").string() + "' ----- -330";
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }
}

TEST_F(TypedOutputs, NetcdfHeaderIsTheCheckedOne) {
  if (std::system("command -v ncdump >/dev/null") != 0) {
    GTEST_SKIP() << "netcdf-bin is missing";
  }
  fs::copy_file(kGolden / "lodax_linear.bin", Path("well.bin"));
  ASSERT_EQ(Run({"template", "new", "--columns",
                 "Temperature (C),Pressure (PSI),Time - Time Stamp,pH,Site - Unit Name",
                 Path("well.bft").string()})
                .exitCode,
            0);
  const Outcome outcome = Run({"convert", "--format", "netcdf", "--utc-offset", "+01:00", "-t",
                               Path("well.bft").string(), Path("well.bin").string()});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "converted   " + Path("well.bin").string() + " -> " +
                             Path("well.bin.nc").string() + " (5 records)\n");
  const std::string command =
      "cd '" + directory_.string() + "' && ncdump -h well.bin.nc > " + Path("header.cdl").string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(Slurp(Path("header.cdl")), Slurp(kSource / "tests/cli_e2e/well_header.cdl"));
}

TEST_F(TypedOutputs, ExistingOutputsAndLinksAreLeftAloneAndNothingStagedRemains) {
  WriteLog(Path("well.bin"), LevelLogger(3));
  fs::create_directories(Path("out"));
  std::ofstream(Path("victim.txt")) << "keep me";
  for (const std::string format : {"xlsx", "netcdf"}) {
    const std::string output = format == "xlsx" ? "out/well.bin.xlsx" : "out/well.bin.nc";
    fs::create_symlink(Path("victim.txt"), Path(output));
    Outcome outcome =
        Run({"convert", "--format", format, "-o", Path("out").string(), Path("well.bin").string()});
    EXPECT_EQ(outcome.exitCode, 1) << format;
    EXPECT_EQ(outcome.out.rfind("exists", 0), 0u) << outcome.out;
    EXPECT_TRUE(fs::is_symlink(Path(output)));

    outcome = Run({"convert", "--format", format, "--overwrite", "-o", Path("out").string(),
                   Path("well.bin").string()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_FALSE(fs::is_symlink(Path(output))) << "the link is replaced, never followed";
    EXPECT_EQ(Slurp(Path("victim.txt")), "keep me");
  }
  std::size_t entries = 0;
  for (const auto& entry : fs::directory_iterator(Path("out"))) {
    ++entries;
    EXPECT_EQ(entry.path().filename().string().rfind(".", 0), std::string::npos)
        << entry.path() << " was left behind";
  }
  EXPECT_EQ(entries, 2u);
}

TEST_F(TypedOutputs, MetadataDescribesTheFileAndTheColumnsOfTheOutput) {
  fs::copy_file(kGolden / "lodax_linear.bin", Path("well.bin"));
  const Outcome outcome =
      Run({"convert", "--metadata", "--columns",
           "Temperature (C),pH,Time - Time Stamp,Site - Unit Name", Path("well.bin").string()});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  const nlohmann::json metadata = nlohmann::json::parse(Slurp(Path("well.bin.json")));
  EXPECT_EQ(metadata["device"]["serial_number"], 5150);
  EXPECT_EQ(metadata["device"]["unit_name"], "MW-3, DEEP");
  EXPECT_EQ(metadata["records"]["count"], 5);
  const nlohmann::json& columns = metadata["columns"];
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0]["title"], "Temperature (C)");
  EXPECT_EQ(columns[0]["unit"], "C");
  EXPECT_EQ(columns[0]["kind"], "number");
  EXPECT_EQ(columns[0]["decimals"], 2);  // the CSV shows 21.26
  EXPECT_EQ(columns[1]["supplied"], false);
  EXPECT_EQ(columns[2]["kind"], "date-time");
  EXPECT_EQ(columns[3]["kind"], "text");

  // An existing description is not replaced without --overwrite.
  const Outcome again =
      Run({"convert", "--metadata", "--name", "second.csv", Path("well.bin").string()});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.out.find("well.bin.json exists"), std::string::npos) << again.out;
}

}  // namespace
}  // namespace pelcon::cli_e2e
