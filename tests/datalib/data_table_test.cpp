#include "datalib/data_table.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datalib/date_time_value.hpp"
#include "datalib/type_codes.hpp"

namespace pelcon {
namespace {

// NAME (CString), DIGITS (int), SCALE (double), rows added in order.
CDataTable Channels() {
  CDataTable table;
  table.AddColumn("NAME", kTypeCString);
  table.AddColumn("DIGITS", "int");
  table.AddColumn("SCALE", kTypeDouble);
  table.AddRow("LEVEL,3,1.5");
  table.AddRow("TEMP,2,0.25");
  table.AddRow("PRESSURE,3,10");
  table.AddRow("DEPTH,4,-2");
  return table;
}

std::vector<std::string> Names(const CDataTable& table) {
  std::vector<std::string> names;
  for (int row = table.FirstRow(); row != -1; row = table.NextRow(row)) {
    names.push_back(table.GetCellText(0, row));
  }
  return names;
}

TEST(CDataTable, AddRowChecksThePartCount) {
  CDataTable table;
  table.AddColumn("NAME", 1);
  table.AddColumn("DIGITS", 2);
  EXPECT_EQ(table.AddRow("A,3"), 0);
  EXPECT_EQ(table.AddRow("A,3,4"), -1);
  EXPECT_EQ(table.AddRow("A"), -1);
  EXPECT_EQ(table.LastRow(), 0);
  std::int32_t digits = 0;
  table.GetCell(1, 0, &digits);
  EXPECT_EQ(digits, 3);
}

TEST(CDataTable, ATrailingCommaAddsNoPart) {
  CDataTable table;
  table.AddColumn("A", 1);
  table.AddColumn("B", 1);
  table.AddColumn("C", 1);
  EXPECT_EQ(table.AddRow("a,b,"), -1);
  EXPECT_EQ(table.AddRow("a,b,,"), 0);
  EXPECT_EQ(table.GetCellText(2, 0), "");
  EXPECT_EQ(table.GetCellText(1, 0), "b");
}

TEST(CDataTable, SetCellTextRewritesTheRowWithATrailingComma) {
  CDataTable table;
  table.AddColumn("NAME", 1);
  table.AddColumn("DIGITS", 2);
  table.AddRow("A,3");
  table.SetCellText(0, 0, "B");
  EXPECT_EQ(table.GetRowText(0), "B,3,");
  EXPECT_EQ(table.GetCellText(1, 0), "3");
  EXPECT_EQ(table.GetCellText(0, 0), "B");
  table.SetCellText(5, 0, "X");  // outside: ignored
  table.SetCellText(0, 3, "X");
  EXPECT_EQ(table.GetRowText(0), "B,3,");
}

TEST(CDataTable, SetCellConvertsByTheColumnType) {
  CDataTable table = Channels();
  const std::int32_t digits = 7;
  table.SetCell(1, 0, &digits);
  EXPECT_EQ(table.GetCellText(1, 0), "7");
  const double scale = 1e20;
  table.SetCell(2, 0, &scale);
  EXPECT_EQ(table.GetCellText(2, 0), "1e+020");
  const std::string empty;
  table.SetCell(0, 0, &empty);  // an empty text never clears a cell
  EXPECT_EQ(table.GetCellText(0, 0), "LEVEL");
  const std::string name = "STAGE";
  table.SetCell(0, 0, &name);
  EXPECT_EQ(table.GetCellText(0, 0), "STAGE");
  double out = 0.0;
  table.GetCell(2, 0, &out);
  EXPECT_EQ(out, 1e20);
}

TEST(CDataTable, ArrayColumnsAreNeverChangedBySetCell) {
  CDataTable table;
  table.AddColumn("LIST", kTypeIntArray);
  table.AddRow("1;2;");
  const std::string text = "9;9;";
  table.SetCell(0, 0, &text);
  EXPECT_EQ(table.GetCellText(0, 0), "1;2;");
  std::string out;
  table.GetCell(0, 0, &out);  // arrays read as their text
  EXPECT_EQ(out, "1;2;");
}

TEST(CDataTable, IndexErrorsAreSilent) {
  CDataTable table = Channels();
  EXPECT_EQ(table.GetCellText(3, 0), "");
  EXPECT_EQ(table.GetCellText(0, 4), "");
  EXPECT_EQ(table.GetCellText(-1, 0), "");
  EXPECT_EQ(table.ColumnName(3), "");
  EXPECT_EQ(table.ColumnType(3), -1);
  EXPECT_EQ(table.ColumnType(-1), -1);
  EXPECT_EQ(table.RowKey(9), "");
  EXPECT_EQ(table.GetRowText(-1), "");
  std::int32_t value = 11;
  table.GetCell(1, 9, &value);
  EXPECT_EQ(value, 11);
  table.SetRowKey(9, "k");
  table.SetRowText(9, "x");
  EXPECT_EQ(table.RowCount(), 4);
}

TEST(CDataTable, ColumnsAndRowsAreFoundWithoutRegardToCase) {
  CDataTable table = Channels();
  EXPECT_EQ(table.FindColumn("digits"), 1);
  EXPECT_EQ(table.FindColumn("nothing"), -1);
  EXPECT_EQ(table.ColumnName(1), "DIGITS");
  EXPECT_EQ(table.ColumnType(1), kTypeInt);
  table.SetRowKey(2, "Key.Two");
  EXPECT_EQ(table.FindRow("KEY.TWO"), 2);
  EXPECT_EQ(table.FindRow("key.three"), -1);
}

TEST(CDataTable, RowWalk) {
  CDataTable table;
  EXPECT_EQ(table.FirstRow(), -1);
  EXPECT_EQ(table.LastRow(), -1);
  table = Channels();
  EXPECT_EQ(table.FirstRow(), 0);
  EXPECT_EQ(table.NextRow(0), 1);
  EXPECT_EQ(table.NextRow(3), -1);
  EXPECT_EQ(table.LastRow(), 3);
  EXPECT_EQ(Names(table), (std::vector<std::string>{"LEVEL", "TEMP", "PRESSURE", "DEPTH"}));
}

TEST(CDataTable, RowKeysEndInTheRowIndex) {
  CDataTable table;
  table.AddColumn("A", 1);
  table.AddRow("x");
  table.AddRow("y");  // the same millisecond, most likely
  const std::string first = table.RowKey(0);
  const std::string second = table.RowKey(1);
  EXPECT_NE(first, second);
  EXPECT_EQ(first.substr(first.find('.')), ".0");
  EXPECT_EQ(second.substr(second.find('.')), ".1");
  EXPECT_EQ(table.FindRow(second), 1);
}

TEST(CDataTable, DefineColumnsFromKeepsColumnsAndEmptiesRows) {
  const CDataTable source = Channels();
  CDataTable output;
  output.AddColumn("name", kTypeCString);
  output.AddRow("old");
  output.DefineColumnsFrom(source, "");
  EXPECT_EQ(output.RowCount(), 0);
  ASSERT_EQ(output.ColumnCount(), 3);
  EXPECT_EQ(output.ColumnName(0), "name");  // already there, letter case ignored
  EXPECT_EQ(output.ColumnName(1), "DIGITS");
  EXPECT_EQ(output.ColumnType(2), kTypeDouble);

  CDataTable filtered;
  filtered.DefineColumnsFrom(source, "scale,Name");
  ASSERT_EQ(filtered.ColumnCount(), 2);
  EXPECT_EQ(filtered.ColumnName(0), "NAME");  // in the source's order
  EXPECT_EQ(filtered.ColumnName(1), "SCALE");
}

TEST(CDataTable, DefineColumnsFromStopsAtAnEmptyName) {
  CDataTable source;
  source.AddColumn("A", 1);
  source.AddColumn("", 1);
  source.AddColumn("C", 1);
  CDataTable output;
  output.DefineColumnsFrom(source, "");
  EXPECT_EQ(output.ColumnCount(), 1);
}

std::vector<std::string> SelectNames(const CDataTable& table, const char* column, int op,
                                     const void* value, const char* filter = "") {
  CDataTable output;
  output.DefineColumnsFrom(table, filter);
  table.Select(output, column, op, value);
  return Names(output);
}

TEST(CDataTableSelect, EachOperatorOnIntegers) {
  const CDataTable table = Channels();
  const std::int32_t three = 3;
  using V = std::vector<std::string>;
  EXPECT_EQ(SelectNames(table, "DIGITS", 0, &three), (V{"LEVEL", "PRESSURE"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 1, &three), (V{"TEMP", "DEPTH"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 2, &three), (V{"DEPTH"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 3, &three), (V{"TEMP"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 4, &three), (V{"LEVEL", "PRESSURE", "DEPTH"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 5, &three), (V{"LEVEL", "TEMP", "PRESSURE"}));
  EXPECT_EQ(SelectNames(table, "DIGITS", 7, &three), (V{}));
  EXPECT_EQ(SelectNames(table, "NOSUCH", 0, &three), (V{}));
}

TEST(CDataTableSelect, FloatingPointAndTextColumns) {
  const CDataTable table = Channels();
  const double one = 1.0;
  using V = std::vector<std::string>;
  EXPECT_EQ(SelectNames(table, "SCALE", 2, &one), (V{"LEVEL", "PRESSURE"}));  // 10 > 1 as numbers
  EXPECT_EQ(SelectNames(table, "SCALE", 3, &one), (V{"TEMP", "DEPTH"}));
  const std::string temp = "TEMP";
  EXPECT_EQ(SelectNames(table, "NAME", 0, &temp), (V{"TEMP"}));
  const std::string lower = "temp";
  EXPECT_EQ(SelectNames(table, "NAME", 0, &lower), (V{}));  // text compares with case
  const std::string m = "M";
  EXPECT_EQ(SelectNames(table, "NAME", 2, &m), (V{"TEMP", "PRESSURE"}));
}

TEST(CDataTableSelect, UnsignedColumnsCompareUnsigned) {
  CDataTable table;
  table.AddColumn("NAME", kTypeCString);
  table.AddColumn("MASK", kTypeDWORD);
  table.AddRow("big,4294967295");
  table.AddRow("small,1");
  const std::uint32_t two = 2;
  EXPECT_EQ(SelectNames(table, "MASK", 2, &two), (std::vector<std::string>{"big"}));
}

TEST(CDataTableSelect, DateColumnsCompareValueAndStatus) {
  CDataTable table;
  table.AddColumn("NAME", kTypeCString);
  table.AddColumn("WHEN", kTypeCOleDateTime);
  table.AddRow("a,3/15/2009 2:30:00 PM");
  table.AddRow("b,1/1/2000");
  table.AddRow("c,garbage");
  const DateTimeValue start = MakeDateTimeValue(2009, 3, 15, 14, 30, 0);
  using V = std::vector<std::string>;
  EXPECT_EQ(SelectNames(table, "WHEN", 0, &start), (V{"a"}));
  EXPECT_EQ(SelectNames(table, "WHEN", 3, &start), (V{"b", "c"}));
  const DateTimeValue invalidZero{0.0, ValueStatus::kInvalid};
  EXPECT_EQ(SelectNames(table, "WHEN", 0, &invalidZero), (V{"c"}));
}

TEST(CDataTableSelect, DistinctCopiesTheFirstRowOfEachValue) {
  const CDataTable table = Channels();
  CDataTable output;
  output.DefineColumnsFrom(table, "");
  table.Select(output, "DIGITS", CDataTable::kDistinct, nullptr);
  EXPECT_EQ(Names(output), (std::vector<std::string>{"LEVEL", "TEMP", "DEPTH"}));
  // Run again into the same output: every value is there already.
  table.Select(output, "DIGITS", CDataTable::kDistinct, nullptr);
  EXPECT_EQ(output.RowCount(), 3);
}

TEST(CDataTableSelect, CopiedRowsKeepTheirKeysAndColumnOrder) {
  CDataTable table = Channels();
  table.SetRowKey(1, "temp-key");
  CDataTable output;
  output.DefineColumnsFrom(table, "SCALE,NAME");
  const std::int32_t two = 2;
  table.Select(output, "DIGITS", 0, &two);
  ASSERT_EQ(output.RowCount(), 1);
  EXPECT_EQ(output.GetRowText(0), "TEMP,0.25");
  EXPECT_EQ(output.RowKey(0), "temp-key");
  double d = 0.0;
  output.GetCell(1, 0, &d);
  EXPECT_EQ(d, 0.25);
}

TEST(CDataTableSelect, ARowThatDoesNotFitTheOutputIsRefused) {
  const CDataTable table = Channels();
  CDataTable output;
  output.AddColumn("NAME", kTypeCString);
  output.AddColumn("EXTRA", kTypeCString);
  const std::int32_t three = 3;
  table.Select(output, "DIGITS", 0, &three);
  EXPECT_EQ(output.RowCount(), 0);
}

TEST(CDataTableUpdate, CopiesCellsByKeyAndColumnName) {
  CDataTable target = Channels();
  target.SetRowKey(0, "k0");
  target.SetRowKey(2, "k2");
  CDataTable source;
  source.AddColumn("scale", kTypeDouble);
  source.AddColumn("UNKNOWN", kTypeCString);
  source.AddColumn("NAME", kTypeCString);
  source.AddRow("99,zzz,P2");
  source.SetRowKey(0, "K2");
  source.AddRow("5,zzz,NOPE");
  source.SetRowKey(1, "no-such-key");
  target.Update(source);
  EXPECT_EQ(target.GetCellText(2, 2), "99");
  EXPECT_EQ(target.GetCellText(0, 2), "P2");
  EXPECT_EQ(target.GetCellText(1, 2), "3");
  EXPECT_EQ(Names(target), (std::vector<std::string>{"LEVEL", "TEMP", "P2", "DEPTH"}));
}

TEST(CDataTableUpdate, NoMatchingKeysChangeNothing) {
  CDataTable target = Channels();
  const CDataTable before = target;
  CDataTable source = Channels();  // fresh keys
  for (int row = 0; row < source.RowCount(); ++row)
    source.SetRowKey(row, "other" + std::to_string(row));
  source.SetCellText(0, 0, "CHANGED");
  target.Update(source);
  for (int row = 0; row < target.RowCount(); ++row) {
    EXPECT_EQ(target.GetRowText(row), before.GetRowText(row));
  }
}

TEST(CDataTable, GetColumnValuesAppendsEveryRow) {
  const CDataTable table = Channels();
  std::vector<std::int32_t> digits{42};
  table.GetColumnValues(1, &digits);
  EXPECT_EQ(digits, (std::vector<std::int32_t>{42, 3, 2, 3, 4}));
  std::vector<double> scales;
  table.GetColumnValues(2, &scales);
  EXPECT_EQ(scales, (std::vector<double>{1.5, 0.25, 10.0, -2.0}));
  std::vector<std::string> names;
  table.GetColumnValues(0, &names);
  EXPECT_EQ(names.size(), 4u);

  CDataTable words;
  words.AddColumn("W", kTypeWORD);
  words.AddColumn("L", kTypeIntArray);
  words.AddRow("65535,1;2;");
  std::vector<std::int16_t> w;
  words.GetColumnValues(0, &w);
  EXPECT_EQ(w, (std::vector<std::int16_t>{-1}));
  std::vector<std::int32_t> untouched;
  words.GetColumnValues(1, &untouched);
  EXPECT_TRUE(untouched.empty());
}

}  // namespace
}  // namespace pelcon
