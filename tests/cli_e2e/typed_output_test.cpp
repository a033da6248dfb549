// `pelcon convert --format xlsx|netcdf`, `--metadata` and `pelcon compensate --format`, read back
// by the tools their users have: openpyxl, netCDF4 and ncdump.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli_e2e/compensation_loggers.hpp"

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

TEST_F(TypedOutputs, CompensatedWorkbookAndNetcdfHoldTheCompensatedRecord) {
  if (!HasPythonModules()) GTEST_SKIP() << "python3-openpyxl or python3-netcdf4 is missing";
  WriteLog(Path("well.bin"), CompensationLevel());
  WriteLog(Path("baro.bin"), CompensationBarometer());
  for (const std::string format : {"xlsx", "netcdf"}) {
    const Outcome outcome =
        Run({"compensate", "--json", "--format", format, "--baro", Path("baro.bin").string(),
             "--gravity", "9.80665", "--depth-to-water", "2009-03-15T14:31:00=3.5",
             Path("well.bin").string()});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const nlohmann::json report = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(report["compensation"]["format"], format);
    EXPECT_EQ(
        report["output"],
        Path(format == "xlsx" ? "well.bin.compensated.xlsx" : "well.bin.compensated.nc").string());
  }
  EXPECT_FALSE(fs::exists(Path("well.bin.compensated.csv")));
  const std::string command =
      "/usr/bin/python3 " + (kSource / "tests/cli_e2e/read_typed_outputs.py").string() + " '" +
      Path("well.bin.compensated.xlsx").string() + "' '" +
      Path("well.bin.compensated.nc").string() + "' > " + Path("read.json").string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  const nlohmann::json read = nlohmann::json::parse(Slurp(Path("read.json")));

  // Barometric pressures by hand: on the records at 14:30, 14:32, 14:34, halfway between them
  // at 14:31 and 14:33, none after 14:34. The depth to water is 3.5 m at 14:31 and moves
  // against the water column: 3.5 - (h(t) - h(14:31)).
  const std::vector<double> barometric = {14.5, 14.55, 14.6, 14.65, 14.7};
  // The loggers store single-precision numbers: a few parts in ten million.
  constexpr double kFloat = 1e-5;
  const auto depth = [](double b) {
    return 3.5 - (CompensationMetres(b) - CompensationMetres(14.55));
  };
  const nlohmann::json& xlsx = read["xlsx"];
  EXPECT_EQ(xlsx["sheets"], nlohmann::json({"Data", "Header"}));
  const nlohmann::json& rows = xlsx["rows"];
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], nlohmann::json({"Time", "Pressure (psi)", "Barometric pressure (psi)",
                                     "Water column (m)", "Depth to water (m)", "Temperature (C)",
                                     "Compensated"}));
  EXPECT_EQ(xlsx["formats"][0], nlohmann::json({"yyyy-mm-dd hh:mm:ss", "0.000", "0.000", "0.0000",
                                                "0.0000", "0.00", "0"}));
  for (std::size_t k = 0; k < barometric.size(); ++k) {
    const nlohmann::json& row = rows[k + 1];
    EXPECT_EQ(row[0], "2009-03-15T14:3" + std::to_string(k) + ":00");
    EXPECT_NEAR(row[1].get<double>(), 20.0, kFloat);
    EXPECT_NEAR(row[2].get<double>(), barometric[k], kFloat);
    EXPECT_NEAR(row[3].get<double>(), CompensationMetres(barometric[k]), kFloat);
    EXPECT_NEAR(row[4].get<double>(), depth(barometric[k]), kFloat);
    EXPECT_NEAR(row[5].get<double>(), 21.5, kFloat);
    EXPECT_EQ(row[6], 1);
  }
  // 14:35, after the barometric record: nothing computed.
  EXPECT_EQ(rows[6][0], "2009-03-15T14:35:00");
  EXPECT_EQ(rows[6][2], nullptr);
  EXPECT_EQ(rows[6][3], nullptr);
  EXPECT_EQ(rows[6][4], nullptr);
  EXPECT_EQ(rows[6][6], 0);
  EXPECT_EQ(xlsx["header"]["Records compensated"], "5");
  EXPECT_EQ(xlsx["header"]["Records not compensated"], "2");
  EXPECT_EQ(xlsx["header"]["Depth to water (m)"], "2009-03-15T14:31:00, 3.5");
  EXPECT_EQ(xlsx["header"]["Gravity (m/s2)"], "9.806650");

  const nlohmann::json& nc = read["nc"];
  const nlohmann::json& variables = nc["variables"];
  // 2009-03-15 is 14318 days after 1970-01-01; 14:30 is 52200 s into it.
  EXPECT_EQ(variables["time"]["values"][0], 14318 * 86400.0 + 52200);
  EXPECT_EQ(variables["time"]["values"][6], 14318 * 86400.0 + 52200 + 360);
  EXPECT_EQ(variables["water_column"]["attributes"]["units"], "m");
  EXPECT_EQ(variables["water_column"]["attributes"]["long_name"], "Water column (m)");
  EXPECT_EQ(variables["barometric_pressure"]["attributes"]["standard_name"], "air_pressure");
  for (std::size_t k = 0; k < barometric.size(); ++k) {
    EXPECT_NEAR(variables["barometric_pressure"]["values"][k].get<double>(), barometric[k], kFloat);
    EXPECT_NEAR(variables["depth_to_water"]["values"][k].get<double>(), depth(barometric[k]),
                kFloat);
  }
  EXPECT_EQ(variables["water_column"]["values"][5], nullptr);
  EXPECT_EQ(variables["compensated"]["values"][5], 0.0);
  EXPECT_NEAR(variables["temperature"]["values"][6].get<double>(), 21.5, kFloat);
  EXPECT_EQ(nc["attributes"]["pelcon_header_records_not_compensated"], "2");
  EXPECT_EQ(nc["attributes"]["pelcon_header_density_kg_m3"], "1000");
  EXPECT_NE(nc["attributes"]["history"].get<std::string>().find(
                "compensated well.bin with the barometric record baro.bin"),
            std::string::npos);
}

}  // namespace
}  // namespace pelcon::cli_e2e
