#include "datalib/data_table.hpp"

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "datalib/currency_value.hpp"
#include "datalib/date_time_value.hpp"
#include "datalib/text_helpers.hpp"
#include "datalib/text_split.hpp"
#include "datalib/type_codes.hpp"
#include "datalib/typed_value_text.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kCellSeparator = ",";

// A cell or comparison value, widened to one of the comparison kinds of Select.
struct Comparable {
  enum Kind { kSigned, kUnsigned, kFloating, kDate, kCurrency, kText } kind = kText;
  std::int64_t signedValue = 0;
  std::uint64_t unsignedValue = 0;
  double floating = 0.0;
  DateTimeValue date;
  CurrencyValue currency;
  std::string text;
};

Comparable::Kind KindOf(int code) {
  switch (code) {
    case kTypeInt:
    case kTypeBOOL:
    case kTypeLong:
    case kTypeShort:
      return Comparable::kSigned;
    case kTypeDWORD:
    case kTypeUINT:
    case kTypeBYTE:
    case kTypeWORD:
      return Comparable::kUnsigned;
    case kTypeDouble:
    case kTypeFloat:
      return Comparable::kFloating;
    case kTypeCOleDate:
    case kTypeCOleTime:
    case kTypeCOleDateTime:
      return Comparable::kDate;
    case kTypeCOleCurrency:
      return Comparable::kCurrency;
    default:
      return Comparable::kText;
  }
}

// Widens a value of the column's type (as GetCell fills it) to a Comparable.
Comparable FromValue(int code, const void* value) {
  Comparable c;
  c.kind = KindOf(code);
  switch (code) {
    case kTypeInt:
    case kTypeBOOL:
    case kTypeLong:
      c.signedValue = *static_cast<const std::int32_t*>(value);
      break;
    case kTypeShort:
      c.signedValue = *static_cast<const std::int16_t*>(value);
      break;
    case kTypeDWORD:
    case kTypeUINT:
      c.unsignedValue = *static_cast<const std::uint32_t*>(value);
      break;
    case kTypeBYTE:
      c.unsignedValue = *static_cast<const std::uint8_t*>(value);
      break;
    case kTypeWORD:
      c.unsignedValue = *static_cast<const std::uint16_t*>(value);
      break;
    case kTypeDouble:
      c.floating = *static_cast<const double*>(value);
      break;
    case kTypeFloat:
      c.floating = *static_cast<const float*>(value);
      break;
    case kTypeCOleDate:
    case kTypeCOleTime:
    case kTypeCOleDateTime:
      c.date = *static_cast<const DateTimeValue*>(value);
      break;
    case kTypeCOleCurrency:
      c.currency = *static_cast<const CurrencyValue*>(value);
      break;
    default:
      c.text = *static_cast<const std::string*>(value);
      break;
  }
  return c;
}

template <typename T>
Comparable ReadAs(int code, std::string_view text) {
  T value{};
  TextToValue(code, text, ";", &value);
  return FromValue(code, &value);
}

// Reads a cell text by the column's code, as GetCell does.
Comparable FromCellText(int code, std::string_view text) {
  switch (code) {
    case kTypeInt:
    case kTypeBOOL:
    case kTypeLong:
      return ReadAs<std::int32_t>(code, text);
    case kTypeShort:
      return ReadAs<std::int16_t>(code, text);
    case kTypeDWORD:
    case kTypeUINT:
      return ReadAs<std::uint32_t>(code, text);
    case kTypeBYTE:
      return ReadAs<std::uint8_t>(code, text);
    case kTypeWORD:
      return ReadAs<std::uint16_t>(code, text);
    case kTypeDouble:
      return ReadAs<double>(code, text);
    case kTypeFloat:
      return ReadAs<float>(code, text);
    case kTypeCOleDate:
    case kTypeCOleTime:
    case kTypeCOleDateTime:
      return ReadAs<DateTimeValue>(code, text);
    case kTypeCOleCurrency:
      return ReadAs<CurrencyValue>(code, text);
    default: {
      Comparable c;
      c.kind = Comparable::kText;
      c.text.assign(text);
      return c;
    }
  }
}

template <typename T>
bool Test(int op, const T& cell, const T& value) {
  switch (op) {
    case CDataTable::kEqual:
      return cell == value;
    case CDataTable::kNotEqual:
      return !(cell == value);
    case CDataTable::kGreater:
      return cell > value;
    case CDataTable::kLess:
      return cell < value;
    case CDataTable::kGreaterOrEqual:
      return cell >= value;
    case CDataTable::kLessOrEqual:
      return cell <= value;
    default:
      return false;
  }
}

bool Satisfies(int op, const Comparable& cell, const Comparable& value) {
  switch (cell.kind) {
    case Comparable::kSigned:
      return Test(op, cell.signedValue, value.signedValue);
    case Comparable::kUnsigned:
      return Test(op, cell.unsignedValue, value.unsignedValue);
    case Comparable::kFloating:
      return Test(op, cell.floating, value.floating);
    case Comparable::kDate:
      // Equality also needs equal status; the order is that of the day counts.
      if (op == CDataTable::kEqual) return cell.date == value.date;
      if (op == CDataTable::kNotEqual) return !(cell.date == value.date);
      return Test(op, cell.date.days, value.date.days);
    case Comparable::kCurrency:
      if (op == CDataTable::kEqual) return cell.currency == value.currency;
      if (op == CDataTable::kNotEqual) return !(cell.currency == value.currency);
      return Test(op, cell.currency.units, value.currency.units);
    case Comparable::kText:
    default:
      return Test(op, cell.text, value.text);
  }
}

template <typename Element>
void AppendColumn(const CDataTable& table, int column, int code, void* array) {
  auto& out = *static_cast<std::vector<Element>*>(array);
  for (int row = table.FirstRow(); row != -1; row = table.NextRow(row)) {
    Element element{};
    TextToValue(code, table.GetCellText(column, row), ";", &element);
    out.push_back(element);
  }
}

}  // namespace

bool CDataTable::ValidCell(int column, int row) const {
  return column >= 0 && column < ColumnCount() && row >= 0 && row < RowCount();
}

void CDataTable::AddColumn(std::string_view name, std::string_view typeName) {
  columnNames_.emplace_back(name);
  columnTypes_.emplace_back(typeName);
}

void CDataTable::AddColumn(std::string_view name, int typeCode) {
  AddColumn(name, DataTypeName(typeCode));
}

void CDataTable::DefineColumnsFrom(const CDataTable& source, std::string_view filter) {
  rows_.clear();
  rowKeys_.clear();
  const std::vector<std::string_view> wanted = SplitParts(filter, kCellSeparator);
  // Copy the source's columns first: source may be this table.
  const std::vector<std::string> names = source.columnNames_;
  const std::vector<std::string> types = source.columnTypes_;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    if (name.empty()) break;
    if (!filter.empty()) {
      bool listed = false;
      for (std::string_view part : wanted) {
        if (EqualsNoCase(part, name)) {
          listed = true;
          break;
        }
      }
      if (!listed) continue;
    }
    if (FindColumn(name) == -1) AddColumn(name, std::string_view(types[i]));
  }
}

int CDataTable::FindColumn(std::string_view name) const {
  for (std::size_t i = 0; i < columnNames_.size(); ++i) {
    if (EqualsNoCase(columnNames_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

std::string CDataTable::ColumnName(int column) const {
  if (column < 0 || column >= ColumnCount()) return {};
  return columnNames_[static_cast<std::size_t>(column)];
}

int CDataTable::ColumnType(int column) const {
  if (column < 0 || column >= ColumnCount()) return -1;
  return DataTypeCode(columnTypes_[static_cast<std::size_t>(column)]);
}

int CDataTable::AddRow(std::string_view rowText) {
  if (CountParts(rowText, kCellSeparator) != columnNames_.size()) return -1;
  rows_.emplace_back(rowText);
  rowKeys_.push_back(MakeRowKey());
  return LastRow();
}

int CDataTable::FirstRow() const {
  return rows_.empty() ? -1 : 0;
}

int CDataTable::NextRow(int row) const {
  if (row < -1 || row + 1 >= RowCount()) return -1;
  return row + 1;
}

int CDataTable::LastRow() const {
  return RowCount() - 1;
}

int CDataTable::FindRow(std::string_view key) const {
  for (std::size_t i = 0; i < rowKeys_.size(); ++i) {
    if (EqualsNoCase(rowKeys_[i], key)) return static_cast<int>(i);
  }
  return -1;
}

std::string CDataTable::RowKey(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return rowKeys_[static_cast<std::size_t>(row)];
}

void CDataTable::SetRowKey(int row, std::string_view key) {
  if (row < 0 || row >= RowCount()) return;
  rowKeys_[static_cast<std::size_t>(row)].assign(key);
}

std::string CDataTable::GetRowText(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return rows_[static_cast<std::size_t>(row)];
}

void CDataTable::SetRowText(int row, std::string_view rowText) {
  if (row < 0 || row >= RowCount()) return;
  rows_[static_cast<std::size_t>(row)].assign(rowText);
}

std::string CDataTable::MakeRowKey() const {
  const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now().time_since_epoch())
                         .count();
  const auto ticks32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks));
  char key[32];
  std::snprintf(key, sizeof key, "%d.%d", ticks32, LastRow());
  return key;
}

std::string CDataTable::GetCellText(int column, int row) const {
  if (!ValidCell(column, row)) return {};
  int index = 0;
  std::string cell;
  ForEachPart(rows_[static_cast<std::size_t>(row)], kCellSeparator, [&](std::string_view part) {
    if (index++ == column) cell.assign(part);
  });
  return cell;
}

void CDataTable::SetCellText(int column, int row, std::string_view text) {
  if (!ValidCell(column, row)) return;
  std::string& rowText = rows_[static_cast<std::size_t>(row)];
  std::vector<std::string_view> parts = SplitParts(rowText, kCellSeparator);
  // A row made short by SetRowText gets empty cells up to the one being set.
  if (parts.size() <= static_cast<std::size_t>(column))
    parts.resize(static_cast<std::size_t>(column) + 1);
  parts[static_cast<std::size_t>(column)] = text;
  std::string rewritten;
  for (std::string_view part : parts) {
    rewritten += part;
    rewritten += kCellSeparator;
  }
  rowText = std::move(rewritten);
}

void CDataTable::GetCell(int column, int row, void* value) const {
  if (!ValidCell(column, row)) return;
  const int code = ColumnType(column);
  const std::string text = GetCellText(column, row);
  if (code >= 2 && code <= 15) {
    TextToValue(code, text, ";", value);
  } else {
    *static_cast<std::string*>(value) = text;
  }
}

void CDataTable::SetCell(int column, int row, const void* value) {
  if (!ValidCell(column, row)) return;
  const int code = ColumnType(column);
  if (code >= 16 || code < 0) return;
  const std::string text =
      (code >= 2) ? ValueToText(code, value, ";") : *static_cast<const std::string*>(value);
  if (!text.empty()) SetCellText(column, row, text);
}

void CDataTable::GetColumnValues(int column, void* array) const {
  if (column < 0 || column >= ColumnCount()) return;
  const int code = ColumnType(column);
  switch (code) {
    case kTypeCString:
    case kTypeUnknown:
      AppendColumn<std::string>(*this, column, kTypeCString, array);
      break;
    case kTypeInt:
    case kTypeDWORD:
    case kTypeBOOL:
    case kTypeUINT:
    case kTypeLong:
      // DWORD and UINT read as unsigned; the bit pattern is the same in an int32.
      AppendColumn<std::int32_t>(*this, column, code == kTypeBOOL ? kTypeBOOL : kTypeInt, array);
      break;
    case kTypeDouble:
      AppendColumn<double>(*this, column, kTypeDouble, array);
      break;
    case kTypeFloat:
      AppendColumn<float>(*this, column, kTypeFloat, array);
      break;
    case kTypeShort:
    case kTypeWORD:
      AppendColumn<std::int16_t>(*this, column, kTypeShort, array);
      break;
    case kTypeBYTE:
      AppendColumn<std::uint8_t>(*this, column, kTypeBYTE, array);
      break;
    case kTypeCOleDate:
    case kTypeCOleTime:
    case kTypeCOleDateTime:
      AppendColumn<DateTimeValue>(*this, column, code, array);
      break;
    case kTypeCOleCurrency:
      AppendColumn<CurrencyValue>(*this, column, kTypeCOleCurrency, array);
      break;
    default:
      break;
  }
}

void CDataTable::Select(CDataTable& output, std::string_view columnName, int op,
                        const void* value) const {
  const int column = FindColumn(columnName);
  if (column == -1) return;
  if (op < kEqual || op > kDistinct) return;
  const int code = ColumnType(column);

  Comparable wanted;
  if (op != kDistinct) wanted = FromValue(code, value);
  // Operator 6: the values already in the output's column at the same index, kept up to date
  // as rows are copied.
  std::vector<Comparable> seen;
  if (op == kDistinct && column < output.ColumnCount()) {
    for (int row = output.FirstRow(); row != -1; row = output.NextRow(row)) {
      seen.push_back(FromCellText(code, output.GetCellText(column, row)));
    }
  }

  for (int row = FirstRow(); row != -1; row = NextRow(row)) {
    const Comparable cell = FromCellText(code, GetCellText(column, row));
    bool copy = false;
    if (op == kDistinct) {
      copy = true;
      for (const Comparable& earlier : seen) {
        if (Satisfies(kEqual, cell, earlier)) {
          copy = false;
          break;
        }
      }
    } else {
      copy = Satisfies(op, cell, wanted);
    }
    if (!copy) continue;

    std::string rowText;
    bool matched = false;
    for (int c = 0; c < ColumnCount(); ++c) {
      if (output.FindColumn(columnNames_[static_cast<std::size_t>(c)]) == -1) continue;
      rowText += GetCellText(c, row);
      rowText += kCellSeparator;
      matched = true;
    }
    if (!matched) continue;
    rowText.pop_back();
    const int added = output.AddRow(rowText);
    if (added == -1) continue;
    output.SetRowKey(added, RowKey(row));
    if (op == kDistinct && column < output.ColumnCount()) {
      seen.push_back(FromCellText(code, output.GetCellText(column, added)));
    }
  }
}

void CDataTable::Update(const CDataTable& source) {
  for (int sourceRow = source.FirstRow(); sourceRow != -1; sourceRow = source.NextRow(sourceRow)) {
    const int row = FindRow(source.RowKey(sourceRow));
    if (row == -1) continue;
    for (int sourceColumn = 0; sourceColumn < source.ColumnCount(); ++sourceColumn) {
      const int column = FindColumn(source.ColumnName(sourceColumn));
      if (column == -1) continue;
      SetCellText(column, row, source.GetCellText(sourceColumn, sourceRow));
    }
  }
}

}  // namespace pelcon
