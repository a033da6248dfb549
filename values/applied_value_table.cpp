#include "values/applied_value_table.hpp"

#include <array>
#include <cstdint>
#include <cstdio>

#include "logfile/log_file.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

constexpr std::array<AppliedValueRow, 28> kAppliedValueRows{{
    {"DEGREES_C", 2, 2},
    {"PSI", 3, 3},
    {"BARO_PSI", 6, 2},
    {"PH_MV", 4, 2},
    {"PH", 4, 3},
    {"CTX_OHMS", 5, 2},
    {"CTX_MICROSIEMENS", 5, 3},
    {"DO_NA", 7, 2},
    {"DO_MILLIGRAMS", 7, 3},
    {"ORP_MV", 8, 2},
    {"ORP_MILLIVOLTS", 8, 3},
    {"NH4_MV", 13, 2},
    {"NH4_PPM", 13, 3},
    {"CL_MV", 16, 2},
    {"CL_PPM", 16, 3},
    {"NO3_MV", 17, 2},
    {"NO3_PPM", 17, 3},
    {"CA_MV", 18, 2},
    {"CA_MG_L", 18, 3},
    {"F_MV", 19, 2},
    {"F_MG_L", 19, 3},
    {"TURB_NTU_BASE", 22, 2},
    {"TURB_NTU_USER", 22, 3},
    {"TURB_FNU_BASE", 22, 2},
    {"TURB_FNU_USER", 22, 3},
    {"BATT_V_BASE", 27, 2},
    {"BATT_V_USER", 27, 3},
    {"OPD_MILLIGRAMS", 28, 3},
}};

struct Column {
  std::string_view name;
  int type;
};

constexpr std::array<Column, 5> kColumns{{
    {"FunctionName", 1},
    {"WQNo", 2},
    {"ChannelType", 2},
    {"ColValid", 5},
    {"MetaType", 2},
}};

enum ColumnIndex { kFunctionName, kWQNo, kChannelType, kColValid, kMetaType };

constexpr int kUnbound = -1;
constexpr int kStageCount = 4;
// Codes of the sensor ports: the tens digit is the port.
constexpr int kFirstPortCode = 10;
constexpr int kLastPortCode = 89;

}  // namespace

std::span<const AppliedValueRow> AppliedValueRows() {
  return kAppliedValueRows;
}

AppliedValueTable::AppliedValueTable() {
  for (const Column& column : kColumns) table_.AddColumn(column.name, column.type);
}

void AppliedValueTable::RebuildRows() {
  table_.DefineColumnsFrom(table_, "");
  alias_.clear();
  channelType_.clear();
  validity_.Clear();
  char line[96];
  for (const AppliedValueRow& row : kAppliedValueRows) {
    std::snprintf(line, sizeof line, "%.*s,%d,%d,%d,%d", static_cast<int>(row.functionName.size()),
                  row.functionName.data(), kUnbound, row.channelType, 0, row.metaType);
    table_.AddRow(line);
    channelType_.try_emplace(std::string(row.functionName), row.channelType);
  }
  rowsLoaded_ = true;
  prepared_ = false;
}

void AppliedValueTable::BindAppliedValues(const LogFile& log) {
  for (int stage = 0; stage < kStageCount; ++stage) {
    const StageNameTable& names = log.StageTable(static_cast<ValueStage>(stage));
    for (int slot = 0; names.IsValid(slot); ++slot) {
      const int parameterType = names.ParameterTypeOf(slot);
      for (int row = table_.FirstRow(); row != -1; row = table_.NextRow(row)) {
        const AppliedValueRow& fixed = kAppliedValueRows[static_cast<std::size_t>(row)];
        if (fixed.channelType != parameterType || fixed.metaType != stage) continue;
        std::int32_t wqNo = kUnbound;
        table_.GetCell(kWQNo, row, &wqNo);
        if (wqNo < 0) {
          Bind(row, fixed.functionName, names.NameOf(slot), names.CodeOf(slot),
               names.PresenceOf(slot));
        } else {
          StorePortValidity(fixed.functionName, names.CodeOf(slot), names.PresenceOf(slot));
        }
      }
    }
  }
  prepared_ = true;
}

void AppliedValueTable::Bind(int row, std::string_view functionName, std::string_view valueName,
                             int code, int presence) {
  const std::int32_t wqNo = code;
  const std::int32_t colValid = presence;
  table_.SetCell(kWQNo, row, &wqNo);
  table_.SetCell(kColValid, row, &colValid);
  alias_.insert_or_assign(std::string(functionName), std::string(valueName));
  validity_.SetBool(functionName, presence);
  if (code >= kFirstPortCode && code <= kLastPortCode) {
    StorePortValidity(functionName, code, presence);
  }
}

void AppliedValueTable::StorePortValidity(std::string_view functionName, int code, int presence) {
  char name[96];
  std::snprintf(name, sizeof name, "%.*s(P%d)", static_cast<int>(functionName.size()),
                functionName.data(), code / 10);
  validity_.SetBool(name, presence);
}

int AppliedValueTable::FindAlias(std::string_view name, std::string& alias) const {
  alias.clear();
  const std::string* found = FindAlias(name);
  if (found == nullptr) return 0;
  alias = *found;
  return 1;
}

const std::string* AppliedValueTable::FindAlias(std::string_view name) const {
  const auto found = alias_.find(name);
  return found == alias_.end() ? nullptr : &found->second;
}

int AppliedValueTable::FetchAppliedType(std::string_view name, int& type, CDataMap& result) const {
  const auto found = channelType_.find(name);
  if (found == channelType_.end()) {
    ReportResult(kResultAppliedNotFound, result);
    return 0;
  }
  type = found->second;
  return 1;
}

std::vector<std::pair<std::string, std::string>> AppliedValueTable::AliasPairs() const {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const AppliedValueRow& row : kAppliedValueRows) {
    const auto found = alias_.find(row.functionName);
    if (found != alias_.end()) pairs.emplace_back(found->first, found->second);
  }
  return pairs;
}

}  // namespace pelcon
