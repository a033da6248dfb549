#pragma once

#include <string>
#include <string_view>
#include <vector>

// CDataTable: a small table of named, typed columns whose rows are
// stored as comma-separated text, with typed cell access, selection into a second table and
// merging of cells by row key. Index errors are silent: getters give the empty text, -1 or
// leave the output untouched; setters do nothing.
//
// Cell values go through pointers whose C++ type follows the column's type code:
//   GetCell / SetCell / Select's comparison value: codes 2..15 the scalar type of type_codes.hpp
//   (std::int32_t for int, BOOL and long, double, std::uint32_t for DWORD and UINT, float,
//   std::int16_t, std::uint8_t, DateTimeValue, CurrencyValue, std::uint16_t); every other code
//   std::string.
//   GetColumnValues: codes 2, 4, 5, 6, 7 std::vector<std::int32_t> (DWORD and UINT keep their
//   bit pattern); 3 std::vector<double>; 8 std::vector<float>; 9 and 15
//   std::vector<std::int16_t> (WORD keeps its bit pattern); 10 std::vector<std::uint8_t>;
//   11, 12, 13 std::vector<DateTimeValue>; 14 std::vector<CurrencyValue>; 0 and 1
//   std::vector<std::string>; 16 and above: nothing is appended.

namespace pelcon {

class CDataTable {
 public:
  // Select operators.
  enum Operator : int {
    kEqual = 0,
    kNotEqual = 1,
    kGreater = 2,
    kLess = 3,
    kGreaterOrEqual = 4,
    kLessOrEqual = 5,
    kDistinct = 6,  // value not yet in the output's column at the same index
  };

  CDataTable() = default;
  virtual ~CDataTable() = default;
  CDataTable(const CDataTable&) = default;
  CDataTable& operator=(const CDataTable&) = default;
  CDataTable(CDataTable&&) = default;
  CDataTable& operator=(CDataTable&&) = default;

  // Columns.
  void AddColumn(std::string_view name, std::string_view typeName);
  void AddColumn(std::string_view name, int typeCode);
  // Empties the rows (columns stay), then appends each source column (up to the first one with
  // an empty name) whose name is not yet a column here, optionally only those named in the
  // comma-separated filter; names compared without regard to letter case.
  void DefineColumnsFrom(const CDataTable& source, std::string_view filter);
  int FindColumn(std::string_view name) const;
  std::string ColumnName(int column) const;
  int ColumnType(int column) const;  // type code; -1 for an index outside the columns
  int ColumnCount() const { return static_cast<int>(columnNames_.size()); }

  // Rows.
  // Appends the text if it splits at "," into exactly as many parts as there are columns and
  // gives the row a key from MakeRowKey; returns the row index, or -1 (nothing changed).
  int AddRow(std::string_view rowText);
  int FirstRow() const;
  int NextRow(int row) const;
  int LastRow() const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int FindRow(std::string_view key) const;  // letter case ignored
  std::string RowKey(int row) const;
  void SetRowKey(int row, std::string_view key);
  std::string GetRowText(int row) const;
  void SetRowText(int row, std::string_view rowText);
  // "%d.%d": the tick count in milliseconds (as a signed 32-bit number) and LastRow().
  std::string MakeRowKey() const;

  // Cells.
  std::string GetCellText(int column, int row) const;
  // Rewrites the row as every part followed by "," (the trailing "," adds no part).
  void SetCellText(int column, int row, std::string_view text);
  void GetCell(int column, int row, void* value) const;
  // Converts by the column's type; an empty text never clears a cell, and columns of codes 16
  // and above are never changed.
  void SetCell(int column, int row, const void* value);
  void GetColumnValues(int column, void* array) const;

  // Copies into output the rows whose cell in the named column satisfies the operator against
  // *value (of the column's type); the copied row keeps its key.
  void Select(CDataTable& output, std::string_view columnName, int op, const void* value) const;
  // For every source row whose key is a row here, copies the cells of the columns that exist
  // here (by name) into that row.
  void Update(const CDataTable& source);

 private:
  bool ValidCell(int column, int row) const;

  std::vector<std::string> columnNames_;
  std::vector<std::string> columnTypes_;  // type names, parallel to columnNames_
  std::vector<std::string> rows_;
  std::vector<std::string> rowKeys_;  // parallel to rows_
};

}  // namespace pelcon
