#include "export/column_name_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelcon {
namespace {

TEST(ColumnNameTable, LookupIgnoresLetterCaseAndTakesTheFirstMatch) {
  EXPECT_EQ(ValueNameForColumn("Temperature (C)"), "DEGREES_C");
  EXPECT_EQ(ValueNameForColumn("temperature (c)"), "DEGREES_C");
  EXPECT_EQ(ValueNameForColumn("TURBIDITY (FNU)"), "TURB_NTU_USER");
  EXPECT_EQ(ValueNameForColumn("Site - Unit Name"), kDeviceNameValue);
}

TEST(ColumnNameTable, ValueNamesAreNotDisplayNames) {
  EXPECT_TRUE(ValueNameForColumn("DEPTH_FEET").empty());
  EXPECT_TRUE(ValueNameForColumn("").empty());
  EXPECT_TRUE(ValueNameForColumn("Temperature (C) ").empty());
}

TEST(ColumnNameTable, MicroSignIsTheSingleWindows1252Byte) {
  EXPECT_EQ(ValueNameForColumn("Conductivity (\xB5S Actual)"), "CTX_MICROSIEMENS");
  EXPECT_TRUE(ValueNameForColumn("Conductivity (\xC2\xB5S Actual)").empty());
}

TEST(ColumnNameTable, HasFiftyFourDistinctDisplayNames) {
  std::set<std::string, std::less<>> names;
  for (const ColumnName& column : ColumnNameTable()) names.emplace(column.displayName);
  EXPECT_EQ(ColumnNameTable().size(), 54u);
  EXPECT_EQ(names.size(), 54u);
}

}  // namespace
}  // namespace pelcon
