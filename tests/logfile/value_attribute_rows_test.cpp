#include "logfile/value_attribute_rows.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "logfile/value_attribute_table.hpp"
#include "logfile/value_attribute_texts.hpp"

namespace pelcon {
namespace {

int RowOf(const CDataTable& rows, std::string_view name) {
  int found = -1;
  for (int row = rows.FirstRow(); row >= 0; row = rows.NextRow(row)) {
    if (rows.GetCellText(0, row) == name) found = row;
  }
  return found;
}

TEST(ValueAttributeRowsTest, TableHasTheColumnsInOrder) {
  const ValueAttributeTable table;
  const CDataTable& rows = table.Rows();
  const std::pair<const char*, int> columns[] = {
      {"ValueName", 1}, {"IDSAlias", 2},     {"IDSUnitType", 2}, {"IDSUnitType_Abv", 2},
      {"IDSUnits", 2},  {"IDSUnits_Abv", 2}, {"Format", 1},      {"Digits", 2},
  };
  ASSERT_EQ(rows.ColumnCount(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rows.ColumnName(i), columns[i].first);
    EXPECT_EQ(rows.ColumnType(i), columns[i].second);
  }
  EXPECT_TRUE(table.RowsLoaded());
  EXPECT_FALSE(table.MapsComplete());
}

TEST(ValueAttributeRowsTest, AllRowsSurviveTheirTextForm) {
  const ValueAttributeTable table;
  EXPECT_EQ(table.Rows().RowCount(), 226);
  std::set<std::string> names;
  for (const ValueAttributeRow& row : ValueAttributeRows()) names.insert(row.name);
  EXPECT_EQ(names.size(), 221u);
}

// The identifiers the value names are known by.
TEST(ValueAttributeRowsTest, KnownIdentifiers) {
  const ValueAttributeTable table;
  const CDataTable& rows = table.Rows();
  EXPECT_EQ(rows.GetRowText(RowOf(rows, "ZERO")), "ZERO,22700,22100,22200,22300,22300,%f,-1");
  EXPECT_EQ(rows.GetRowText(RowOf(rows, "BASE_PXD")),
            "BASE_PXD,22739,22108,22208,22304,22404,%.3f,-1");
  EXPECT_EQ(rows.GetRowText(RowOf(rows, "TIMESTAMP")),
            "TIMESTAMP,22832,22150,22250,22341,22441,DATETIME,-1");
}

// Row counts per format and digits, as the attribute table groups them.
TEST(ValueAttributeRowsTest, FormatGroupsHaveTheirRowCounts) {
  std::map<std::pair<std::string, int>, int> counts;
  for (const ValueAttributeRow& row : ValueAttributeRows()) ++counts[{row.format, row.digits}];
  const std::map<std::pair<std::string, int>, int> expected = {
      {{"%f", -1}, 50},   {{"%d", -1}, 48},   {{"%1.0f", -1}, 16}, {{"%.2f", -1}, 35},
      {{"%.3f", -1}, 23}, {{" ", -1}, 15},    {{"%1.8e", -1}, 1},  {{"%.2f", 4}, 4},
      {{"%.0f", 4}, 5},   {{"%.0f", -1}, 11}, {{"%.3f", 4}, 6},    {{"%.6f", -1}, 1},
      {{"%.5f", 4}, 1},   {{"%.1f", -1}, 3},  {{"%2.3f", -1}, 4},  {{"DATETIME", -1}, 2},
      {{"%s", -1}, 1},
  };
  EXPECT_EQ(counts, expected);
}

TEST(ValueAttributeRowsTest, NamesWithTwoRowsAnswerFromTheLaterOne) {
  std::map<std::string, std::vector<std::string>> formats;
  for (const ValueAttributeRow& row : ValueAttributeRows()) formats[row.name].push_back(row.format);
  using Formats = std::vector<std::string>;
  EXPECT_EQ(formats["RAW_OPD_DO"], (Formats{"%d", "%d"}));
  EXPECT_EQ(formats["COOKED_OPD_DO"], (Formats{"%f", "%f"}));
  EXPECT_EQ(formats["COOKED_OPD_TEMP"], (Formats{"%f", "%f"}));
  EXPECT_EQ(formats["BASE_OPD_DO"], (Formats{"%.2f", "%f"}));
  EXPECT_EQ(formats["BASE_OPD_TEMP"], (Formats{"%1.8e", "%f"}));

  ValueAttributeTable table;
  table.InheritAttributes(std::map<std::string, std::string>());
  EXPECT_EQ(table.FormatValue("BASE_OPD_DO", "1.5"), "1.500000");
  EXPECT_EQ(table.FormatValue("BASE_OPD_TEMP", "21.25"), "21.250000");
}

TEST(ValueAttributeRowsTest, NamesKeepTheirTrailingBlankOrTab) {
  std::set<std::string> names;
  for (const ValueAttributeRow& row : ValueAttributeRows()) names.insert(row.name);
  for (const char* name : {"RAW_OPD_TEMP ", "RAW_OPD_DPHASE ", "COOKED_OPD_RED_REF\t",
                           "BASE_OPD_RED_REF\t", "RAW_OPD_TEMP", "RAW_OPD_RED_REF"}) {
    EXPECT_TRUE(names.contains(name)) << '"' << name << '"';
  }
  EXPECT_FALSE(names.contains("COOKED_OPD_RED_REF"));
  EXPECT_FALSE(names.contains("RAW_OPD_DPHASE"));
}

TEST(ValueAttributeTextsTest, EveryIdentifierOfARowHasItsText) {
  for (const ValueAttributeRow& row : ValueAttributeRows()) {
    for (int id : {row.alias, row.unitType, row.unitTypeAbv, row.units, row.unitsAbv}) {
      if (id >= 0) {
        EXPECT_TRUE(ValueAttributeText(id).has_value()) << row.name << " " << id;
      }
    }
  }
}

TEST(ValueAttributeTextsTest, AliasesAreUnique) {
  std::map<std::string, std::string> owners;
  for (const ValueAttributeRow& row : ValueAttributeRows()) {
    const std::string alias(ValueAttributeText(row.alias).value_or(""));
    const auto [it, inserted] = owners.emplace(alias, row.name);
    if (!inserted) {
      EXPECT_EQ(it->second, row.name) << "alias " << alias;
    }
  }
}

TEST(ValueAttributeTextsTest, UnknownIdentifiersHaveNoText) {
  EXPECT_EQ(ValueAttributeText(22108), "Pressure");
  EXPECT_EQ(ValueAttributeText(22404), "psi");
  EXPECT_FALSE(ValueAttributeText(-1).has_value());
  EXPECT_FALSE(ValueAttributeText(0).has_value());
  EXPECT_FALSE(ValueAttributeText(22099).has_value());
  EXPECT_FALSE(ValueAttributeText(23000).has_value());
}

}  // namespace
}  // namespace pelcon
