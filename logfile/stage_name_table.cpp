#include "logfile/stage_name_table.hpp"

#include <array>

namespace pelcon {
namespace {

constexpr std::array<StageNameRow, kRawSlotCount> kRawRows{{
    {"RAW_TPCB", 100},
    {"RAW_TPXD", 101},
    {"RAW_BARO", 3},
    {"RAW_RTD", 1},
    {"RAW_PXD", 2},
    {"RAW_ISEA1", 11},
    {"RAW_ISEA2", 12},
    {"RAW_DOISE", 21},
    {"RAW_DO", 25},
    {"RAW_ISEB1", 31},
    {"RAW_ISEB2", 32},
    {"RAW_GISE1", 41},
    {"RAW_GISE2", 42},
    {"RAW_CONDLO", 146},
    {"RAW_CONDME", 147},
    {"RAW_CONDHI", 148},
    {"RAW_TURBLO", 150},
    {"RAW_TURBHI", 151},
    {"RAW_BATT_V", 5},
    {"RAW_OPD_DO", 160},
    {"RAW_OPD_TEMP", 161},
    {"RAW_OPD_BPHASE", 162},
    {"RAW_OPD_BAMP", 163},
    {"RAW_OPD_DO", 170},
    {"RAW_OPD_TEMP ", 171},
    {"RAW_OPD_DPHASE ", 172},
    {"RAW_OPD_EXCEPTION", 173},
    {"RAW_OPD_PHASE_DIAG_HIWORD", 174},
    {"RAW_OPD_PHASE_DIAG_LOWORD", 175},
    {"RAW_OPD_O2PP", 176},
    {"RAW_OPD_TEMP_COUNTS", 177},
    {"RAW_OPD_BLUE_PHASE", 180},
    {"RAW_OPD_BLUE_REF", 181},
    {"RAW_OPD_BLUE_AC_AMP", 182},
    {"RAW_OPD_BLUE_REF_AC_AMP", 183},
    {"RAW_OPD_BLUE_MAX_ABS", 184},
    {"RAW_OPD_BLUE_EXCEPTION", 185},
    {"RAW_OPD_RED_PHASE", 190},
    {"RAW_OPD_RED_REF", 191},
    {"RAW_OPD_RED_AC_AMP", 192},
    {"RAW_OPD_RED_REF_AC_AMP", 193},
    {"RAW_OPD_RED_MAX_ABS", 194},
    {"RAW_OPD_RED_EXCEPTION", 195},
}};

// The RAW codes in the RAW order. Slots 24, 25 and 38 are spelled differently from their RAW
// names (no trailing blank; a trailing tab): value names are matched exactly.
constexpr std::array<StageNameRow, kCookedSlotCount> kCookedRows{{
    {"COOKED_TPCB", 100},
    {"COOKED_TPXD", 101},
    {"COOKED_BARO", 3},
    {"COOKED_RTD", 1},
    {"COOKED_PXD", 2},
    {"COOKED_ISEA1", 11},
    {"COOKED_ISEA2", 12},
    {"COOKED_DOISE", 21},
    {"COOKED_DO", 25},
    {"COOKED_ISEB1", 31},
    {"COOKED_ISEB2", 32},
    {"COOKED_GISE1", 41},
    {"COOKED_GISE2", 42},
    {"COOKED_CONDLO", 146},
    {"COOKED_CONDME", 147},
    {"COOKED_CONDHI", 148},
    {"COOKED_TURBLO", 150},
    {"COOKED_TURBHI", 151},
    {"COOKED_BATT_V", 5},
    {"COOKED_OPD_DO", 160},
    {"COOKED_OPD_TEMP", 161},
    {"COOKED_OPD_BPHASE", 162},
    {"COOKED_OPD_BAMP", 163},
    {"COOKED_OPD_DO", 170},
    {"COOKED_OPD_TEMP", 171},
    {"COOKED_OPD_DPHASE", 172},
    {"COOKED_OPD_EXCEPTION", 173},
    {"COOKED_OPD_PHASE_DIAG_HIWORD", 174},
    {"COOKED_OPD_PHASE_DIAG_LOWORD", 175},
    {"COOKED_OPD_O2PP", 176},
    {"COOKED_OPD_TEMP_COUNTS", 177},
    {"COOKED_OPD_BLUE_PHASE", 180},
    {"COOKED_OPD_BLUE_REF", 181},
    {"COOKED_OPD_BLUE_AC_AMP", 182},
    {"COOKED_OPD_BLUE_REF_AC_AMP", 183},
    {"COOKED_OPD_BLUE_MAX_ABS", 184},
    {"COOKED_OPD_BLUE_EXCEPTION", 185},
    {"COOKED_OPD_RED_PHASE", 190},
    {"COOKED_OPD_RED_REF\t", 191},
    {"COOKED_OPD_RED_AC_AMP", 192},
    {"COOKED_OPD_RED_REF_AC_AMP", 193},
    {"COOKED_OPD_RED_MAX_ABS", 194},
    {"COOKED_OPD_RED_EXCEPTION", 195},
}};

constexpr std::array<StageNameRow, kBaseSlotCount> kBaseRows{{
    {"BASE_TIMESTAMP", 99},
    {"BASE_RTD", 1},
    {"BASE_PXD", 2},
    {"BASE_BARO", 3},
    {"BASE_TURB", 4},
    {"BASE_ISEA1", 11},
    {"BASE_ISEA2", 12},
    {"BASE_DOISE", 21},
    {"BASE_DO", 25},
    {"BASE_ISEB1", 31},
    {"BASE_ISEB2", 32},
    {"BASE_GISE1", 41},
    {"BASE_GISE2", 42},
    {"BASE_COND", 45},
    {"BASE_BATT_V", 5},
    {"BASE_OPD_DO", 160},
    {"BASE_OPD_TEMP", 161},
    {"BASE_OPD_BPHASE", 162},
    {"BASE_OPD_BAMP", 163},
    {"BASE_OPD_DO", 170},
    {"BASE_OPD_TEMP", 171},
    {"BASE_OPD_DPHASE", 172},
    {"BASE_OPD_EXCEPTION", 173},
    {"BASE_OPD_PHASE_DIAG_HIWORD", 174},
    {"BASE_OPD_PHASE_DIAG_LOWORD", 175},
    {"BASE_OPD_O2PP", 176},
    {"BASE_OPD_TEMP_COUNTS", 177},
    {"BASE_OPD_BLUE_PHASE", 180},
    {"BASE_OPD_BLUE_REF", 181},
    {"BASE_OPD_BLUE_AC_AMP", 182},
    {"BASE_OPD_BLUE_REF_AC_AMP", 183},
    {"BASE_OPD_BLUE_MAX_ABS", 184},
    {"BASE_OPD_BLUE_EXCEPTION", 185},
    {"BASE_OPD_RED_PHASE", 190},
    {"BASE_OPD_RED_REF\t", 191},
    {"BASE_OPD_RED_AC_AMP", 192},
    {"BASE_OPD_RED_REF_AC_AMP", 193},
    {"BASE_OPD_RED_MAX_ABS", 194},
    {"BASE_OPD_RED_EXCEPTION", 195},
}};

constexpr std::array<StageNameRow, kUserSlotCount> kUserRows{{
    {"USER_TIMESTAMP", 99},
    {"USER_RTD", 1},
    {"USER_PXD", 2},
    {"USER_BARO", 3},
    {"USER_TURB", 4},
    {"USER_ISEA1", 11},
    {"USER_ISEA2", 12},
    {"USER_DOISE", 21},
    {"USER_DO", 25},
    {"USER_ISEB1", 31},
    {"USER_ISEB2", 32},
    {"USER_GISE1", 41},
    {"USER_GISE2", 42},
    {"USER_COND", 45},
    {"USER_BATT_V", 5},
    {"USER_OPD_DO", 160},
    {"USER_OPD2_DO", 170},
}};

// Name and code indexes of one stage's rows; built once, shared by every table of that stage.
struct RowIndex {
  std::span<const StageNameRow> rows;
  std::unordered_map<std::string_view, int> byName;
  std::unordered_map<int, int> byCode;

  explicit RowIndex(std::span<const StageNameRow> stageRows) : rows(stageRows) {
    for (int slot = 0; slot < static_cast<int>(rows.size()); ++slot) {
      byName.insert_or_assign(rows[slot].name, slot);  // the later of two equal names wins
      byCode.insert_or_assign(rows[slot].code, slot);
    }
  }
};

const RowIndex& IndexOf(ValueStage stage) {
  static const RowIndex raw(kRawRows);
  static const RowIndex cooked(kCookedRows);
  static const RowIndex base(kBaseRows);
  static const RowIndex user(kUserRows);
  switch (stage) {
    case ValueStage::kRaw:
      return raw;
    case ValueStage::kCooked:
      return cooked;
    case ValueStage::kBase:
      return base;
    case ValueStage::kUser:
      break;
  }
  return user;
}

int Find(const auto& map, const auto& key) {
  const auto found = map.find(key);
  return found == map.end() ? -1 : found->second;
}

}  // namespace

StageNameTable::StageNameTable(ValueStage stage) : stage_(stage) {
  const RowIndex& index = IndexOf(stage);
  rows_ = index.rows;
  byName_ = &index.byName;
  byCode_ = &index.byCode;
  Reset();
}

void StageNameTable::Reset() {
  state_.assign(rows_.size(), SlotState{});
  byParameterType_.clear();
}

int StageNameTable::SlotOfName(std::string_view name) const {
  return Find(*byName_, name);
}

int StageNameTable::SlotOfCode(int code) const {
  return Find(*byCode_, code);
}

int StageNameTable::SlotOfParameterType(int parameterType) const {
  return Find(byParameterType_, parameterType);
}

std::string_view StageNameTable::NameOf(int slot) const {
  return IsValid(slot) ? rows_[static_cast<std::size_t>(slot)].name : std::string_view();
}

int StageNameTable::ParameterTypeOf(int slot) const {
  return IsValid(slot) ? state_[static_cast<std::size_t>(slot)].parameterType : -1;
}

bool StageNameTable::SetParameterType(int slot, int parameterType) {
  if (!IsValid(slot)) return false;
  state_[static_cast<std::size_t>(slot)].parameterType = parameterType;
  return true;
}

bool StageNameTable::SetPresence(int slot, int presence) {
  if (!IsValid(slot)) return false;
  state_[static_cast<std::size_t>(slot)].presence = presence;
  return true;
}

bool StageNameTable::RecordParameterType(int slot, int parameterType) {
  if (!SetParameterType(slot, parameterType)) return false;
  byParameterType_.insert_or_assign(parameterType, slot);
  return true;
}

}  // namespace pelcon
