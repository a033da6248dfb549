#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "datalib/data_map.hpp"
#include "export/column_name_table.hpp"
#include "tests/values/sonde_test_files.hpp"
#include "values/derived_formula.hpp"
#include "values/log_file_reader.hpp"

// The cells of every derived column of an export, as the reader gives them for one record of a
// sonde file: the value, then its text in the column's format.

namespace pelcon {
namespace {

using test_support::ChosenFormulas;

bool IsDerived(std::string_view valueName) {
  return FindDerivedFormula(valueName) != nullptr;
}

// The sonde's second record (one minute after the start) reads 20 degrees C, 10 psi, a barometer
// of 14.7 psi, 1000 uS/cm, 8 mg/L Clark and 9 mg/L optical oxygen, and 250 mV; the site has
// latitude 45, elevation 100 m, density 1, and references of 5 (now) and 2 (user) psi.
//
// Worked out by hand, with the format of each value:
// - 20 C = 68 F; 10 psi = 68.94757 kPa; 14.7 psi = 29.9292 inHg, 1.0135356 bar, 1013.5356 mbar,
//   1033.5129 cm of water and 760.20168 mm Hg, printed to 4 significant digits.
// - Specific conductance 1000 / (1 - 0.0191 x 5) = 1105.583 uS/cm, TDS 0.65 x that = 718.629;
//   resistivity 1000 / 1000; salinity at 20 C: R = 1000 / (1.0955 x 42933) = 0.0212623,
//   f = 4.625347, S = 0.560723.
// - 8 mg/L = 250.009376 umol/L; 9 mg/L = 281.260548 umol/L. Saturation at 20 C, 29.9292 inHg
//   (1.000307 atm) and S = 0.560723: Cs = 9.09206 x e^(-0.560723 x 0.0058840) = 9.06211 mg/L at
//   one atmosphere, 9.06496 after the pressure and vapour correction; 8 / 9.06496 = 88.25 %,
//   9 / 9.06496 = 99.28 %.
// - Gravity at 45 degrees and 100 m: 9.8061600 - 0.0003086 = 9.8058514. One psi is
//   6.894757 / 9.8058514 x 3.2808399 = 2.3068465 ft, so the level is 23.068465 ft; the surface
//   depth (2 - 5 + 10) psi = 16.147925 ft and the depth below the casing (5 - 10 + 2) psi =
//   -6.920539 ft, each also in metres (x 0.3048), centimetres (x 30.48) and inches (x 12).
// - One minute is 0.000694 days, 0.016667 hours, 1 minute, 60 seconds.
const std::map<std::string, std::string, std::less<>> kExpectedCells{
    {"DEGREES_F", "68.00"},
    {"KPASCALS", "68.948"},
    {"BARO_INCHES_HG", "29.93"},
    {"BARO_BARS", "1.014"},
    {"BARO_MILLIBARS", "1014"},
    {"BARO_CM_OF_H2O", "1034"},
    {"BARO_MM_HG", "760.2"},
    {"CTX_MILLISIEMENS", "1.000"},
    {"CTX_SPEC_COND", "1106"},
    {"CTX_SPEC_COND_MIL", "1.106"},
    {"CTX_TDS", "718.6"},
    {"CTX_RESISTANCE", "1.00"},
    {"CTX_SALINITY", "0.56"},
    {"ORP_VOLTS", "0.25"},
    {"DO_MICROGRAMS", "8000"},
    {"DO_MICROMOLES", "250.01"},
    {"DO_PERCENTAGE", "88.3"},
    {"OPD_MICROGRAMS", "9000"},
    {"OPD_MICROMOLES", "281.26"},
    {"OPD_PERCENTAGE", "99.3"},
    {"DEPTH_FEET", "23.068"},
    {"DEPTH_METERS", "7.031"},
    {"DEPTH_CENTIMETERS", "703.127"},
    {"DEPTH_INCHES", "276.822"},
    {"DEPTH_SURFACE_FEET", "16.148"},
    {"DEPTH_SURFACE_METERS", "4.922"},
    {"DEPTH_SURFACE_CENTIMETERS", "492.189"},
    {"DEPTH_SURFACE_INCHES", "193.775"},
    {"DEPTH_TOC_FEET", "-6.921"},
    {"DEPTH_TOC_METERS", "-2.109"},
    {"DEPTH_TOC_CENTIMETERS", "-210.938"},
    {"DEPTH_TOC_INCHES", "-83.046"},
    {"ELAPSED_DAYS", "0.00"},
    {"ELAPSED_HOURS", "0.02"},
    {"ELAPSED_MINUTES", "1.00"},
    {"ELAPSED_SECONDS", "60.00"},
};

class DerivedColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    formulas_.base = {{test_support::kTemperatureCode, 20.0}, {test_support::kBarometerCode, 14.7}};
    formulas_.user = {{test_support::kPressureCode, 10.0},
                      {test_support::kConductivityCode, 1000.0},
                      {test_support::kClarkOxygenCode, 8.0},
                      {test_support::kRedoxCode, 250.0},
                      {test_support::kOpticalOxygenCode, 9.0}};
    test_support::LogFileDescription d = test_support::SondeDescription();
    d.site.nowReference = 5.0f;
    d.site.userReference = 2.0f;
    // A name of its own, so that test programs of several builds can run at once.
    path_ = std::filesystem::temp_directory_path() /
            ("derived_columns_" + std::to_string(std::random_device()()) + ".bin");
    ASSERT_TRUE(test_support::WriteFile(path_.string(), test_support::Build(d)));
  }
  void TearDown() override { std::filesystem::remove(path_); }

  ChosenFormulas formulas_;
  std::filesystem::path path_;
};

TEST_F(DerivedColumnsTest, EveryDerivedColumnOfOneRecord) {
  LogFileReader reader(formulas_);
  ASSERT_NE(reader.Open(path_.string()), 0);
  ASSERT_EQ(reader.FirstRecord(), 0);
  ASSERT_EQ(reader.NextRecord(0), 1);

  std::size_t derivedColumns = 0;
  for (const ColumnName& column : ColumnNameTable()) {
    if (!IsDerived(column.valueName)) continue;
    ++derivedColumns;
    const auto expected = kExpectedCells.find(column.valueName);
    ASSERT_NE(expected, kExpectedCells.end()) << column.valueName;
    CDataMap result;
    EXPECT_EQ(reader.GetValue(column.valueName, result), 1) << column.valueName;
    ASSERT_NE(reader.GetValueAttribute(column.valueName, "AttribValueStr", result), 0)
        << column.valueName;
    std::string cell;
    ASSERT_EQ(result.GetString("AttribValueStr", &cell), 1) << column.valueName;
    EXPECT_EQ(cell, expected->second) << column.displayName;
  }
  EXPECT_EQ(derivedColumns, kExpectedCells.size());
}

}  // namespace
}  // namespace pelcon
