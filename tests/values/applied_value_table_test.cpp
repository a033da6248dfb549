#include "values/applied_value_table.hpp"

#include <gtest/gtest.h>

#include "tests/values/dictionary_test_files.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

using test_support::LoadedLog;
using test_support::LodaxDescription;
using test_support::VortaWith;

// The cell of the generic name's row in the named column.
std::string Cell(const AppliedValueTable& table, std::string_view functionName,
                 std::string_view column) {
  const CDataTable& rows = table.Table();
  for (int row = rows.FirstRow(); row != -1; row = rows.NextRow(row)) {
    if (rows.GetCellText(0, row) == functionName) {
      return rows.GetCellText(rows.FindColumn(column), row);
    }
  }
  return "no row";
}

TEST(AppliedValueTableTest, StartsWithColumnsOnlyAndRebuildsTheUnboundRows) {
  AppliedValueTable table;
  EXPECT_EQ(table.Table().RowCount(), 0);
  ASSERT_EQ(table.Table().ColumnCount(), 5);
  EXPECT_EQ(table.Table().ColumnName(0), "FunctionName");
  EXPECT_EQ(table.Table().ColumnName(1), "WQNo");
  EXPECT_EQ(table.Table().ColumnName(2), "ChannelType");
  EXPECT_EQ(table.Table().ColumnName(3), "ColValid");
  EXPECT_EQ(table.Table().ColumnName(4), "MetaType");
  EXPECT_EQ(table.Table().ColumnType(3), 5);

  table.RebuildRows();
  EXPECT_TRUE(table.RowsLoaded());
  EXPECT_FALSE(table.Prepared());
  ASSERT_EQ(table.Table().RowCount(), 28);
  EXPECT_EQ(table.Table().GetRowText(0), "DEGREES_C,-1,2,0,2");
  EXPECT_EQ(table.Table().GetRowText(23), "TURB_FNU_BASE,-1,22,0,2");
  EXPECT_EQ(table.Table().GetRowText(27), "OPD_MILLIGRAMS,-1,28,0,3");
}

TEST(AppliedValueTableTest, KnowsTheParameterTypeOfEveryGenericName) {
  AppliedValueTable table;
  table.RebuildRows();
  CDataMap result;
  const std::pair<const char*, int> expected[] = {
      {"DEGREES_C", 2}, {"PSI", 3},      {"CTX_OHMS", 5},       {"BARO_PSI", 6},
      {"DO_NA", 7},     {"NH4_PPM", 13}, {"TURB_FNU_USER", 22}, {"OPD_MILLIGRAMS", 28}};
  for (const auto& [name, type] : expected) {
    int found = -1;
    EXPECT_EQ(table.FetchAppliedType(name, found, result), 1) << name;
    EXPECT_EQ(found, type) << name;
  }
  EXPECT_FALSE(result.Exists(kErrCodeKey));

  int untouched = -7;
  EXPECT_EQ(table.FetchAppliedType("DEPTH_FEET", untouched, result), 0);
  EXPECT_EQ(untouched, -7);
  std::int32_t code = 0;
  result.GetInt(kErrCodeKey, &code);
  EXPECT_EQ(code, kResultAppliedNotFound);
  // Letter case counts.
  EXPECT_EQ(table.FetchAppliedType("psi", untouched, result), 0);
}

TEST(AppliedValueTableTest, BindsALevelLoggersTemperatureAndPressureOnly) {
  LoadedLog file(LodaxDescription());
  ASSERT_TRUE(file.loaded);
  AppliedValueTable table;
  table.RebuildRows();
  table.BindAppliedValues(file.log);
  EXPECT_TRUE(table.Prepared());

  EXPECT_EQ(Cell(table, "DEGREES_C", "WQNo"), "1");
  EXPECT_EQ(Cell(table, "DEGREES_C", "ColValid"), "1");
  EXPECT_EQ(Cell(table, "PSI", "WQNo"), "2");
  std::string alias = "stale";
  EXPECT_EQ(table.FindAlias("PSI", alias), 1);
  EXPECT_EQ(alias, "USER_PXD");

  // Without turbidity both turbidity names stay unbound.
  for (const char* name : {"TURB_NTU_BASE", "TURB_FNU_BASE"}) {
    EXPECT_EQ(Cell(table, name, "WQNo"), "-1") << name;
    EXPECT_EQ(Cell(table, name, "ColValid"), "0") << name;
    EXPECT_EQ(table.FindAlias(name, alias), 0) << name;
    EXPECT_EQ(alias, "") << name;
  }
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(table.AliasPairs(), (Pairs{{"DEGREES_C", "BASE_RTD"}, {"PSI", "USER_PXD"}}));
}

TEST(AppliedValueTableTest, BindsBothTurbidityNamesToTheSameEntry) {
  // Code 4 expands to the high and low turbidity readings.
  LoadedLog file(VortaWith({1, 4}, {{2150, 2000, 300, 200}}));
  ASSERT_TRUE(file.loaded);
  AppliedValueTable table;
  table.RebuildRows();
  table.BindAppliedValues(file.log);
  std::string alias;
  for (const char* name : {"TURB_NTU_BASE", "TURB_FNU_BASE"}) {
    EXPECT_EQ(Cell(table, name, "WQNo"), "4") << name;
    EXPECT_EQ(table.FindAlias(name, alias), 1) << name;
    EXPECT_EQ(alias, "BASE_TURB") << name;
  }
  EXPECT_EQ(table.FindAlias("TURB_NTU_USER", alias), 1);
  EXPECT_EQ(alias, "USER_TURB");
  // The turbidity code is no port: no port-qualified flag.
  EXPECT_FALSE(table.Validity().Exists("TURB_NTU_BASE(P0)"));
}

TEST(AppliedValueTableTest, QualifiesPortChannelsByTheirPort) {
  // A pH sensor on port 3: code 31 binds PH_MV (BASE) and PH (USER).
  auto description = VortaWith({1, 31}, {{2150, 2000, 700}});
  description.sensorPorts[2].first.parameterType = 4;
  LoadedLog file(description);
  ASSERT_TRUE(file.loaded);
  AppliedValueTable table;
  table.RebuildRows();
  table.BindAppliedValues(file.log);
  std::int32_t flag = 0;
  EXPECT_EQ(table.Validity().GetBool("PH_MV", &flag), 1);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(table.Validity().GetBool("PH_MV(P3)", &flag), 1);
  EXPECT_EQ(table.Validity().GetBool("PH(P3)", &flag), 1);
  std::string alias;
  EXPECT_EQ(table.FindAlias("PH_MV", alias), 1);
  EXPECT_EQ(alias, "BASE_ISEB1");

  table.RebuildRows();
  EXPECT_EQ(Cell(table, "PH_MV", "WQNo"), "-1");
  EXPECT_EQ(table.FindAlias("PH_MV", alias), 0);
  EXPECT_FALSE(table.Validity().Exists("PH_MV"));
  EXPECT_FALSE(table.Prepared());
}

}  // namespace
}  // namespace pelcon
