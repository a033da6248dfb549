#include "logfile/value_attribute_table.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "datalib/data_map.hpp"

namespace pelcon {
namespace {

using AliasPairs = std::vector<std::pair<std::string, std::string>>;

class ValueAttributeQueryTest : public ::testing::Test {
 protected:
  ValueAttributeQueryTest() { table_.InheritAttributes(AliasPairs()); }

  std::string Text(std::string_view name, std::string_view attribute) {
    EXPECT_EQ(table_.Query(name, attribute, result_), 1);
    std::string text = "<absent>";
    EXPECT_EQ(result_.GetString(attribute, &text), 1) << attribute;
    return text;
  }

  std::int32_t Digits(std::string_view name) {
    EXPECT_EQ(table_.Query(name, "AttribDigits", result_), 1);
    std::int32_t digits = -12345;
    EXPECT_EQ(result_.GetInt("AttribDigits", &digits), 1);
    return digits;
  }

  // The cell text of a value stored the way the value dictionary stores it.
  std::string CellOfDouble(std::string_view name, double value) {
    result_.SetDouble(name, value);
    return Text(name, "AttribValueStr");
  }

  ValueAttributeTable table_;
  CDataMap result_;
};

TEST_F(ValueAttributeQueryTest, ValueStrOfTheUsualFormats) {
  result_.SetInt("RAW_PXD", 12345);
  EXPECT_EQ(Text("RAW_PXD", "AttribValueStr"), "12345");
  EXPECT_EQ(CellOfDouble("BASE_PXD", 14.6959), "14.696");
  EXPECT_EQ(CellOfDouble("DEGREES_C", 21.456), "21.46");
  EXPECT_EQ(CellOfDouble("GRAVITY", 9.80665), "9.806650");
  EXPECT_EQ(CellOfDouble("DO_PERCENTAGE", 99.96), "100.0");
  EXPECT_EQ(CellOfDouble("ORP_MILLIVOLTS", -231.6), "-232");
  EXPECT_EQ(CellOfDouble("DENSITY", 1.0), "1.000");
  result_.SetString("ENTITY_CODE_STR", "Lodax 200");
  EXPECT_EQ(Text("ENTITY_CODE_STR", "AttribValueStr"), "Lodax 200");
}

// Four significant digits replace the format's own precision.
TEST_F(ValueAttributeQueryTest, ValueStrWithSignificantDigits) {
  EXPECT_EQ(Digits("USER_COND"), 4);
  // 1234.567 rounds to 1.235e3, printed 1235.000000 and cut after four digits.
  EXPECT_EQ(CellOfDouble("USER_COND", 1234.567), "1235");
  // 98765.4 rounds to 98770; the cut keeps every digit before the point.
  EXPECT_EQ(CellOfDouble("CTX_SPEC_COND", 98765.4), "98770");
  // "%.5f" would give 1.23456; four digits give 1.235.
  EXPECT_EQ(CellOfDouble("CTX_MILLISIEMENS", 1.23456), "1.235");
  // Below 1 the leading 0 takes one more place: 0.5678 rounds to 0.5678 and keeps 0.5678.
  EXPECT_EQ(CellOfDouble("BARO_BARS", 0.5678), "0.5678");
}

// 15 March 2009 0h is Julian day 2454905.5 (1 January 2009 is 2454832.5, plus 31 + 28 + 14 days);
// 14:30 adds 14.5 / 24 of a day.
TEST_F(ValueAttributeQueryTest, ValueStrOfATimeStamp) {
  EXPECT_EQ(CellOfDouble("TIMESTAMP", 2454905.5 + 14.5 / 24), "03/15/09 14:30:00");
  EXPECT_EQ(CellOfDouble("STARTTIME", 2454905.5), "03/15/09 00:00:00");
  // 1 January 2000 0h.
  EXPECT_EQ(CellOfDouble("TIMESTAMP", 2451544.5), "01/01/00 00:00:00");
}

TEST_F(ValueAttributeQueryTest, ValuesThatAreNoNumberGiveAnEmptyCell) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(CellOfDouble("BASE_PXD", nan), "");
  EXPECT_EQ(CellOfDouble("BASE_PXD", infinity), "");
  EXPECT_EQ(CellOfDouble("DEPTH_FEET", -infinity), "");
  EXPECT_EQ(CellOfDouble("USER_COND", nan), "");
  EXPECT_EQ(CellOfDouble("USER_COND", infinity), "");
  EXPECT_EQ(CellOfDouble("TIMESTAMP", nan), "");
  EXPECT_EQ(CellOfDouble("WHENTOREAD_REF", nan), "");
  // A stage value without a format passes its text, but not a NaN.
  EXPECT_EQ(CellOfDouble("BASE_ISEA1", nan), "");
  EXPECT_EQ(CellOfDouble("BASE_ISEA1", -infinity), "");
}

TEST_F(ValueAttributeQueryTest, TimeStampsOutsideTheCalendarGiveAnEmptyCell) {
  EXPECT_EQ(CellOfDouble("TIMESTAMP", 0.0), "");
  EXPECT_EQ(CellOfDouble("TIMESTAMP", 1.7e308), "");
  EXPECT_EQ(CellOfDouble("STARTTIME", -2451544.5), "");
}

TEST_F(ValueAttributeQueryTest, ValueWithoutFormatPassesAsStored) {
  EXPECT_EQ(CellOfDouble("BASE_ISEA1", 7.123456789), "7.123456789");
  EXPECT_EQ(Text("BASE_ISEA1", "AttribFormat"), " ");
}

TEST_F(ValueAttributeQueryTest, NoStoredValueGivesAnEmptyCell) {
  EXPECT_EQ(Text("RAW_PXD", "AttribValueStr"), "");
  EXPECT_EQ(Text("BASE_PXD", "AttribValueStr"), "");
}

TEST_F(ValueAttributeQueryTest, AttributeKeysIgnoreLetterCase) {
  EXPECT_EQ(table_.Query("BASE_PXD", "attribformat", result_), 1);
  std::string text;
  EXPECT_EQ(result_.GetString("AttribFormat", &text), 1);
  EXPECT_EQ(text, "%.3f");
  result_.SetDouble("BASE_PXD", 14.6959);
  EXPECT_EQ(table_.Query("BASE_PXD", "ATTRIBVALUESTR", result_), 1);
  EXPECT_EQ(result_.GetString("AttribValueStr", &text), 1);
  EXPECT_EQ(text, "14.696");
}

TEST_F(ValueAttributeQueryTest, EmptyKeyStoresAllEightAttributes) {
  result_.SetDouble("BASE_PXD", 14.6959);
  EXPECT_EQ(table_.Query("BASE_PXD", "", result_), 1);
  const std::pair<const char*, const char*> texts[] = {
      {"AttribAlias", "Base Pressure"}, {"AttribUnitType", "Pressure"},
      {"AttribUnitTypeAbv", "Pres"},    {"AttribUnits", "Pounds per Square Inch"},
      {"AttribUnitsAbv", "psi"},        {"AttribFormat", "%.3f"},
      {"AttribValueStr", "14.696"},
  };
  for (const auto& [key, expected] : texts) {
    std::string text;
    EXPECT_EQ(result_.GetString(key, &text), 1) << key;
    EXPECT_EQ(text, expected) << key;
  }
  std::int32_t digits = 0;
  EXPECT_EQ(result_.GetInt("AttribDigits", &digits), 1);
  EXPECT_EQ(digits, -1);
  // The value itself plus eight attributes.
  EXPECT_EQ(result_.size(), 9u);
}

TEST_F(ValueAttributeQueryTest, UnknownKeyStoresNothing) {
  EXPECT_EQ(table_.Query("BASE_PXD", "AttribColour", result_), 1);
  EXPECT_EQ(table_.Query("BASE_PXD", "Attrib", result_), 1);
  EXPECT_EQ(result_.size(), 0u);
}

TEST_F(ValueAttributeQueryTest, AliasOfANameOrOfAnAliasText) {
  EXPECT_EQ(Text("DEGREES_C", "AttribAlias"), "Temperature (C)");
  EXPECT_EQ(Text("DEPTH_FEET", "AttribAlias"), "Level/Depth (ft)");
  EXPECT_EQ(Text("CTX_MICROSIEMENS", "AttribAlias"), "Conductivity (\xB5S Actual)");
  // An alias text names itself.
  EXPECT_EQ(Text("Temperature (C)", "AttribAlias"), "Temperature (C)");
  EXPECT_EQ(Text("NO_SUCH_VALUE", "AttribAlias"), "");
  // Names match exactly.
  EXPECT_EQ(Text("degrees_c", "AttribAlias"), "");
}

TEST_F(ValueAttributeQueryTest, NameWithoutARow) {
  EXPECT_EQ(Text("NO_SUCH_VALUE", "AttribFormat"), "");
  EXPECT_EQ(Text("NO_SUCH_VALUE", "AttribUnits"), "");
  EXPECT_EQ(Digits("NO_SUCH_VALUE"), 0);
  result_.SetString("NO_SUCH_VALUE", "as stored");
  EXPECT_EQ(Text("NO_SUCH_VALUE", "AttribValueStr"), "as stored");
}

TEST(ValueAttributeTableTest, NoAnswerBeforeTheFirstAttach) {
  const ValueAttributeTable table;
  CDataMap result;
  result.SetDouble("BASE_PXD", 14.6959);
  EXPECT_EQ(table.Query("BASE_PXD", "AttribValueStr", result), 0);
  EXPECT_EQ(table.Query("BASE_PXD", "", result), 0);
  EXPECT_EQ(result.size(), 1u);
}

std::string Attribute(const ValueAttributeTable& table, std::string_view name,
                      std::string_view attribute) {
  CDataMap result;
  EXPECT_EQ(table.Query(name, attribute, result), 1);
  std::string text;
  result.GetText(attribute, text);
  return text;
}

TEST(ValueAttributeInheritanceTest, StageValueTakesWhatItLacksFromItsGenericName) {
  ValueAttributeTable table;
  table.InheritAttributes(AliasPairs{{"PH", "BASE_ISEA1"}, {"DEGREES_C", "BASE_RTD"}});
  EXPECT_TRUE(table.MapsComplete());
  EXPECT_EQ(Attribute(table, "BASE_ISEA1", "AttribFormat"), "%.2f");
  EXPECT_EQ(Attribute(table, "BASE_ISEA1", "AttribUnitType"), "pH");
  EXPECT_EQ(Attribute(table, "BASE_ISEA1", "AttribUnitsAbv"), "pH");
  EXPECT_EQ(table.FormatValue("BASE_ISEA1", "7.0349"), "7.03");
  // What the stage value has stays; its alias is never inherited.
  EXPECT_EQ(Attribute(table, "BASE_RTD", "AttribFormat"), "%.2f");
  EXPECT_EQ(Attribute(table, "BASE_RTD", "AttribUnits"), "Degrees Celsius");
  EXPECT_EQ(Attribute(table, "BASE_ISEA1", "AttribAlias"), "Base Port 1 Channel 1");
  // Only the bound stage value changes.
  EXPECT_EQ(Attribute(table, "BASE_ISEA2", "AttribFormat"), " ");
}

TEST(ValueAttributeInheritanceTest, DigitsAreInheritedToo) {
  ValueAttributeTable table;
  table.InheritAttributes(AliasPairs{{"CTX_MICROSIEMENS", "USER_ISEB1"}});
  EXPECT_EQ(Attribute(table, "USER_ISEB1", "AttribFormat"), "%.0f");
  CDataMap result;
  EXPECT_EQ(table.Query("USER_ISEB1", "AttribDigits", result), 1);
  std::int32_t digits = 0;
  result.GetInt("AttribDigits", &digits);
  EXPECT_EQ(digits, 4);
  EXPECT_EQ(table.FormatValue("USER_ISEB1", "1234.567"), "1235");
}

TEST(ValueAttributeInheritanceTest, ReplacedCellsStayForLaterAttaches) {
  ValueAttributeTable table;
  table.InheritAttributes(AliasPairs{{"NO3_PPM", "USER_GISE1"}});
  table.InheritAttributes(AliasPairs{{"NO3_MV", "USER_GISE1"}});
  EXPECT_EQ(Attribute(table, "USER_GISE1", "AttribFormat"), "%.2f");
  EXPECT_EQ(Attribute(table, "USER_GISE1", "AttribUnits"), "Parts per Million");
}

TEST(ValueAttributeInheritanceTest, TheFirstPairOfAStageValueWins) {
  ValueAttributeTable table;
  table.InheritAttributes(
      AliasPairs{{"TURB_FNU_BASE", "BASE_TURB"}, {"TURB_NTU_BASE", "BASE_TURB"}});
  EXPECT_EQ(Attribute(table, "BASE_TURB", "AttribUnitsAbv"), "FNU");
  EXPECT_EQ(Attribute(table, "BASE_TURB", "AttribFormat"), "%.2f");
}

TEST(ValueAttributeInheritanceTest, PairsWithoutRowsAreSkipped) {
  ValueAttributeTable table;
  table.InheritAttributes(AliasPairs{{"NOT_A_NAME", "BASE_ISEA1"}, {"PH", "NOT_A_STAGE"}});
  EXPECT_EQ(Attribute(table, "BASE_ISEA1", "AttribFormat"), " ");
  EXPECT_EQ(Attribute(table, "PH", "AttribFormat"), "%.2f");
}

}  // namespace
}  // namespace pelcon
