#include "values/derived_value_table.hpp"

#include <array>
#include <cstdint>
#include <cstdio>

#include "datalib/text_helpers.hpp"

namespace pelcon {
namespace {

// "1.7E308" stands for no number, "2147483647" for no integer.
constexpr std::string_view kNoNumber = "1.7E308";
constexpr int kDouble = 3;
constexpr int kInt = 2;

constexpr DerivedValueRow Needs(std::string_view value, std::string_view origin) {
  return {value, origin, 0, kNoNumber, kDouble};
}
// An origin that may be missing; the value is computed with the default then.
constexpr DerivedValueRow MayLack(std::string_view value, std::string_view origin,
                                  std::string_view defaultValue) {
  return {value, origin, 1, defaultValue, kDouble};
}
constexpr DerivedValueRow NeedsFlag(std::string_view value, std::string_view origin) {
  return {value, origin, 0, "2147483647", kInt};
}

constexpr std::array<DerivedValueRow, 72> kDerivedValueRows{{
    MayLack("GRAVITY", "ZERO", "9.80665"),
    Needs("GRAVITY", "LATITUDE"),
    Needs("GRAVITY", "ELEVATION"),
    Needs("ELAPSED_DAYS", "STARTTIME"),
    Needs("ELAPSED_DAYS", "TIMESTAMP"),
    Needs("ELAPSED_HOURS", "ELAPSED_DAYS"),
    Needs("ELAPSED_MINUTES", "ELAPSED_DAYS"),
    Needs("ELAPSED_SECONDS", "ELAPSED_DAYS"),
    Needs("DEGREES_F", "DEGREES_C"),
    Needs("KPASCALS", "PSI"),
    Needs("CTX_MILLISIEMENS", "CTX_MICROSIEMENS"),
    Needs("CTX_SALINITY", "CTX_MICROSIEMENS"),
    Needs("CTX_SALINITY", "DEGREES_C"),
    Needs("CTX_TDS", "CTX_MICROSIEMENS"),
    Needs("CTX_TDS", "DEGREES_C"),
    Needs("CTX_RESISTANCE", "CTX_MICROSIEMENS"),
    Needs("CTX_RESISTANCE", "DEGREES_C"),
    Needs("CTX_SPEC_COND", "CTX_MICROSIEMENS"),
    Needs("CTX_SPEC_COND", "DEGREES_C"),
    Needs("CTX_SPEC_COND_MIL", "CTX_MICROSIEMENS"),
    Needs("CTX_SPEC_COND_MIL", "DEGREES_C"),
    Needs("BARO_BARS", "BARO_PSI"),
    Needs("BARO_MILLIBARS", "BARO_PSI"),
    Needs("BARO_CM_OF_H2O", "BARO_PSI"),
    Needs("BARO_MM_HG", "BARO_PSI"),
    Needs("BARO_INCHES_HG", "BARO_PSI"),
    Needs("DO_MICROGRAMS", "DO_MILLIGRAMS"),
    Needs("DO_MICROMOLES", "DO_MILLIGRAMS"),
    Needs("DO_PERCENTAGE", "DO_MILLIGRAMS"),
    Needs("DO_PERCENTAGE", "DEGREES_C"),
    Needs("DO_PERCENTAGE", "BARO_INCHES_HG"),
    MayLack("DO_PERCENTAGE", "CTX_SALINITY", "0.0"),
    Needs("ORP_VOLTS", "ORP_MILLIVOLTS"),
    Needs("DEPTH_FEET", "DENSITY"),
    Needs("DEPTH_FEET", "SPECIFIC_GRAVITY"),
    Needs("DEPTH_FEET", "GRAVITY"),
    Needs("DEPTH_FEET", "PSI"),
    Needs("DEPTH_METERS", "DEPTH_FEET"),
    Needs("DEPTH_CENTIMETERS", "DEPTH_FEET"),
    Needs("DEPTH_INCHES", "DEPTH_FEET"),
    Needs("DEPTH_SURFACE_FEET", "PSI"),
    Needs("DEPTH_SURFACE_FEET", "NOW_REFERENCE"),
    Needs("DEPTH_SURFACE_FEET", "USER_REFERENCE"),
    NeedsFlag("DEPTH_SURFACE_FEET", "WHENTOREAD_REF"),
    Needs("DEPTH_SURFACE_FEET", "GRAVITY"),
    Needs("DEPTH_SURFACE_FEET", "SPECIFIC_GRAVITY"),
    Needs("DEPTH_SURFACE_FEET", "DENSITY"),
    Needs("DEPTH_SURFACE_FEET", "START_OF_TEST_REF"),
    Needs("DEPTH_SURFACE_METERS", "DEPTH_SURFACE_FEET"),
    Needs("DEPTH_SURFACE_CENTIMETERS", "DEPTH_SURFACE_FEET"),
    Needs("DEPTH_SURFACE_INCHES", "DEPTH_SURFACE_FEET"),
    Needs("DEPTH_TOC_FEET", "PSI"),
    Needs("DEPTH_TOC_FEET", "NOW_REFERENCE"),
    Needs("DEPTH_TOC_FEET", "USER_REFERENCE"),
    NeedsFlag("DEPTH_TOC_FEET", "WHENTOREAD_REF"),
    Needs("DEPTH_TOC_FEET", "GRAVITY"),
    Needs("DEPTH_TOC_FEET", "SPECIFIC_GRAVITY"),
    Needs("DEPTH_TOC_FEET", "DENSITY"),
    Needs("DEPTH_TOC_FEET", "START_OF_TEST_REF"),
    Needs("DEPTH_TOC_METERS", "DEPTH_TOC_FEET"),
    Needs("DEPTH_TOC_CENTIMETERS", "DEPTH_TOC_FEET"),
    Needs("DEPTH_TOC_INCHES", "DEPTH_TOC_FEET"),
    Needs("OPD_MICROGRAMS", "OPD_MILLIGRAMS"),
    Needs("OPD_MICROMOLES", "OPD_MILLIGRAMS"),
    Needs("OPD_PERCENTAGE", "OPD_MILLIGRAMS"),
    Needs("OPD_PERCENTAGE", "DEGREES_C"),
    Needs("OPD_PERCENTAGE", "BARO_INCHES_HG"),
    MayLack("OPD_PERCENTAGE", "CTX_SALINITY", "0.0"),
    Needs("OPD_PERCENTAGE_SENSOR", "OPD_MILLIGRAMS"),
    Needs("OPD_PERCENTAGE_SENSOR", "COOKED_OPD_TEMP"),
    Needs("OPD_PERCENTAGE_SENSOR", "BARO_INCHES_HG"),
    MayLack("OPD_PERCENTAGE_SENSOR", "CTX_SALINITY", "0.0"),
}};

struct Column {
  std::string_view name;
  int type;
};

constexpr std::array<Column, 5> kColumns{{
    {"ValueName", 1},
    {"OriginName", 1},
    {"ColValid", 5},
    {"DefaultVal", 1},
    {"DefaultValType", 2},
}};

enum ColumnIndex { kValueName, kOriginName, kColValid, kDefaultVal, kDefaultValType };

constexpr std::string_view kConstantOrigin = "ZERO";

}  // namespace

std::span<const DerivedValueRow> DerivedValueRows() {
  return kDerivedValueRows;
}

DerivedValueTable::DerivedValueTable() {
  for (const Column& column : kColumns) table_.AddColumn(column.name, column.type);
}

void DerivedValueTable::RebuildRows() {
  table_.DefineColumnsFrom(table_, "");
  constantOrigins_.Clear();
  fileAvailability_.Clear();
  rowAvailability_.Clear();
  char line[128];
  for (const DerivedValueRow& row : kDerivedValueRows) {
    std::snprintf(line, sizeof line, "%.*s,%.*s,%d,%.*s,%d", static_cast<int>(row.valueName.size()),
                  row.valueName.data(), static_cast<int>(row.originName.size()),
                  row.originName.data(), row.colValid, static_cast<int>(row.defaultValue.size()),
                  row.defaultValue.data(), row.defaultValueType);
    table_.AddRow(line);
  }
  IndexOrigins();
  rowsLoaded_ = true;
  prepared_ = false;
}

void DerivedValueTable::ComputeAvailability(const CDataMap& rootValidity,
                                            const CDataMap& rowValidity,
                                            const CDataMap& appliedValidity) {
  CDataTable values;
  values.DefineColumnsFrom(table_, "");
  table_.Select(values, kColumns[kValueName].name, CDataTable::kDistinct, nullptr);
  for (int row = values.FirstRow(); row != -1; row = values.NextRow(row)) {
    ComputeValue(values.GetCellText(kValueName, row), rootValidity, rowValidity, appliedValidity);
  }
  IndexOrigins();
  prepared_ = true;
}

void DerivedValueTable::ComputeValue(std::string_view valueName, const CDataMap& rootValidity,
                                     const CDataMap& rowValidity, const CDataMap& appliedValidity) {
  CDataTable work;
  work.DefineColumnsFrom(table_, "");
  const std::string wanted(valueName);
  table_.Select(work, kColumns[kValueName].name, CDataTable::kEqual, &wanted);

  std::int32_t available = 1;
  bool dependsOnRow = false;
  std::int32_t constant = 0;
  for (int row = work.FirstRow(); row != -1; row = work.NextRow(row)) {
    const std::string origin = work.GetCellText(kOriginName, row);
    std::int32_t colValid = 0;
    work.GetCell(kColValid, row, &colValid);
    if (EqualsNoCase(origin, kConstantOrigin)) {
      constantOrigins_.SetBool(valueName, colValid);
      constant = colValid;
      continue;
    }
    std::int32_t flag = 0;
    if (fileAvailability_.GetBool(origin, &flag)) {
      // An origin decided earlier in this pass, for the whole file.
    } else if (rowAvailability_.GetBool(origin, &flag)) {
      dependsOnRow = true;
    } else if (rootValidity.GetBool(origin, &flag)) {
      fileAvailability_.SetBool(origin, flag);
    } else if (rowValidity.GetBool(origin, &flag) || appliedValidity.GetBool(origin, &flag)) {
      rowAvailability_.SetBool(origin, flag);
      dependsOnRow = true;
    } else {
      // Known nowhere: only an origin that may be missing leaves the value available.
      if (colValid == 0) available = 0;
      continue;
    }
    if (flag == 1) {
      const std::int32_t present = 1;
      work.SetCell(kColValid, row, &present);
    }
    available *= flag;
  }
  table_.Update(work);
  if (constant != 0) available = 1;
  (dependsOnRow ? rowAvailability_ : fileAvailability_).SetBool(valueName, available);
}

void DerivedValueTable::IndexOrigins() {
  origins_.clear();
  for (int row = table_.FirstRow(); row != -1; row = table_.NextRow(row)) {
    Origin origin;
    origin.name = table_.GetCellText(kOriginName, row);
    std::int32_t colValid = 0;
    table_.GetCell(kColValid, row, &colValid);
    origin.colValid = colValid == 1;
    origin.defaultValue = table_.GetCellText(kDefaultVal, row);
    std::int32_t type = 0;
    table_.GetCell(kDefaultValType, row, &type);
    origin.defaultValueType = type;
    origins_[table_.GetCellText(kValueName, row)].push_back(std::move(origin));
  }
  feedingValues_.clear();
  for (const auto& [value, origins] : origins_) {
    for (const Origin& origin : origins) {
      if (origins_.contains(origin.name)) feedingValues_.try_emplace(origin.name, true);
    }
  }
}

const std::vector<DerivedValueTable::Origin>* DerivedValueTable::OriginsOf(
    std::string_view valueName) const {
  const auto found = origins_.find(valueName);
  return found == origins_.end() ? nullptr : &found->second;
}

}  // namespace pelcon
