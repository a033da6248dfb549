#include "logfile/value_attribute_table.hpp"

#include <array>
#include <cstdint>
#include <cstdio>

#include "datalib/data_map.hpp"
#include "datalib/number_text.hpp"
#include "datalib/text_helpers.hpp"
#include "datalib/type_codes.hpp"
#include "logfile/value_attribute_rows.hpp"
#include "logfile/value_attribute_texts.hpp"

namespace pelcon {
namespace {

enum Column : int {
  kNameColumn,
  kAliasColumn,
  kUnitTypeColumn,
  kUnitTypeAbvColumn,
  kUnitsColumn,
  kUnitsAbvColumn,
  kFormatColumn,
  kDigitsColumn,
  kColumnCount,
};

struct ColumnDefinition {
  std::string_view name;
  int type;
};

constexpr std::array<ColumnDefinition, kColumnCount> kColumns = {{
    {"ValueName", kTypeCString},
    {"IDSAlias", kTypeInt},
    {"IDSUnitType", kTypeInt},
    {"IDSUnitType_Abv", kTypeInt},
    {"IDSUnits", kTypeInt},
    {"IDSUnits_Abv", kTypeInt},
    {"Format", kTypeCString},
    {"Digits", kTypeInt},
}};

// In the order an empty attribute key stores them.
enum Attribute : int {
  kAlias,
  kUnitType,
  kUnitTypeAbv,
  kUnits,
  kUnitsAbv,
  kFormat,
  kDigits,
  kValueStr,
  kAttributeCount,
};

constexpr std::array<std::string_view, kAttributeCount> kAttributeKeys = {
    kAttribAlias,    kAttribUnitType, kAttribUnitTypeAbv, kAttribUnits,
    kAttribUnitsAbv, kAttribFormat,   kAttribDigits,      kAttribValueStr,
};

std::string IdText(int id) {
  if (id < 0) return std::string();
  const auto text = ValueAttributeText(id);
  return text ? std::string(*text) : std::string();
}

}  // namespace

ValueAttributeTable::ValueAttributeTable() {
  LoadRows();
  BuildAliasMaps();
}

// Each row goes through its text form, as every row of a data table does; no field holds a comma.
void ValueAttributeTable::LoadRows() {
  for (const ColumnDefinition& column : kColumns) rows_.AddColumn(column.name, column.type);
  for (const ValueAttributeRow& row : ValueAttributeRows()) {
    char line[256];
    std::snprintf(line, sizeof line, "%s,%d,%d,%d,%d,%d,%s,%d", row.name, row.alias, row.unitType,
                  row.unitTypeAbv, row.units, row.unitsAbv, row.format, row.digits);
    const int index = rows_.AddRow(line);
    if (index >= 0) rowOfName_.insert_or_assign(row.name, index);
  }
  rowsLoaded_ = true;
}

void ValueAttributeTable::BuildAliasMaps() {
  for (const ValueAttributeRow& row : ValueAttributeRows()) {
    if (row.alias < 0) continue;
    const auto text = ValueAttributeText(row.alias);
    if (!text) continue;
    alias_.insert_or_assign(row.name, std::string(*text));
    aliasOwner_.insert_or_assign(std::string(*text), row.name);
  }
}

void ValueAttributeTable::InheritCells(std::string_view generic, std::string_view stage) {
  const auto from = rowOfName_.find(generic);
  const auto to = rowOfName_.find(stage);
  if (from == rowOfName_.end() || to == rowOfName_.end()) return;
  for (int column = kUnitTypeColumn; column <= kDigitsColumn; ++column) {
    if (IsInvalidFormat(rows_.GetCellText(column, to->second))) {
      rows_.SetCellText(column, to->second, rows_.GetCellText(column, from->second));
    }
  }
}

std::string ValueAttributeTable::CellIdText(int column, int row) const {
  return IdText(static_cast<std::int32_t>(ReadInteger(rows_.GetCellText(column, row))));
}

void ValueAttributeTable::BuildAttributeMaps() {
  attributes_.clear();
  for (int row = rows_.FirstRow(); row >= 0; row = rows_.NextRow(row)) {
    Attributes attributes;
    attributes.unitType = CellIdText(kUnitTypeColumn, row);
    attributes.unitTypeAbv = CellIdText(kUnitTypeAbvColumn, row);
    attributes.units = CellIdText(kUnitsColumn, row);
    attributes.unitsAbv = CellIdText(kUnitsAbvColumn, row);
    attributes.format = rows_.GetCellText(kFormatColumn, row);
    attributes.digitsText = rows_.GetCellText(kDigitsColumn, row);
    attributes.digits = static_cast<std::int32_t>(ReadInteger(attributes.digitsText));
    attributes.valueFormat = ValueFormat(attributes.format, attributes.digits);
    attributes_.insert_or_assign(rows_.GetCellText(kNameColumn, row), std::move(attributes));
  }
  mapsComplete_ = true;
}

const ValueAttributeTable::Attributes* ValueAttributeTable::Find(std::string_view name) const {
  const auto found = attributes_.find(name);
  return found == attributes_.end() ? nullptr : &found->second;
}

std::string ValueAttributeTable::FormatValue(std::string_view name,
                                             std::string_view valueText) const {
  static const ValueFormat kNoFormat;
  const Attributes* attributes = Find(name);
  return (attributes ? attributes->valueFormat : kNoFormat).Format(valueText);
}

int ValueAttributeTable::Query(std::string_view name, std::string_view attribute,
                               CDataMap& result) const {
  if (!mapsComplete_) return 0;
  const Attributes* attributes = Find(name);
  for (int index = 0; index < kAttributeCount; ++index) {
    if (attribute.empty() || EqualsNoCase(attribute, kAttributeKeys[index])) {
      StoreAttribute(index, name, attributes, result);
    }
  }
  return 1;
}

void ValueAttributeTable::StoreAttribute(int index, std::string_view name,
                                         const Attributes* attributes, CDataMap& result) const {
  const std::string_view key = kAttributeKeys[index];
  static const Attributes kNone;
  const Attributes& known = attributes ? *attributes : kNone;
  switch (index) {
    case kAlias: {
      const auto alias = alias_.find(name);
      if (alias != alias_.end()) {
        result.SetString(key, alias->second);
      } else {
        result.SetString(key, aliasOwner_.contains(name) ? name : std::string_view());
      }
      break;
    }
    case kUnitType:
      result.SetString(key, known.unitType);
      break;
    case kUnitTypeAbv:
      result.SetString(key, known.unitTypeAbv);
      break;
    case kUnits:
      result.SetString(key, known.units);
      break;
    case kUnitsAbv:
      result.SetString(key, known.unitsAbv);
      break;
    case kFormat:
      result.SetString(key, known.format);
      break;
    case kDigits:
      result.SetInt(key, known.digits);
      break;
    case kValueStr: {
      const std::string* stored = result.FindText(name);
      result.SetString(key, stored ? known.valueFormat.Format(*stored) : std::string());
      break;
    }
    default:
      break;
  }
}

}  // namespace pelcon
