#include "values/row_values.hpp"

#include <array>
#include <cstdint>

#include "datalib/data_map.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kTimestamp = "TIMESTAMP";
constexpr std::string_view kUserTimestamp = "USER_TIMESTAMP";

constexpr std::array<ValueStage, 4> kStages{ValueStage::kRaw, ValueStage::kCooked,
                                            ValueStage::kBase, ValueStage::kUser};

// The computed value of a slot; 0 for a row whose stages are not computed.
double StageValue(const DataRow& row, ValueStage stage, int slot) {
  const DataRowStages* stages = row.Stages();
  if (stages == nullptr) return 0.0;
  const auto at = [slot](const auto& values) {
    return static_cast<std::size_t>(slot) < values.size() ? values[static_cast<std::size_t>(slot)]
                                                          : 0.0;
  };
  switch (stage) {
    case ValueStage::kCooked:
      return at(stages->cooked);
    case ValueStage::kBase:
      return at(stages->base);
    case ValueStage::kUser:
      return at(stages->user);
    case ValueStage::kRaw:
      break;
  }
  return 0.0;
}

bool IsValid(const CDataMap& validity, std::string_view name) {
  std::int32_t valid = 0;
  validity.GetBool(name, &valid);
  return valid != 0;
}

}  // namespace

// Presence describes the file, so the flags are stored once, at attach.
void RowValues::StoreValidity(const LogFile& log, CDataMap& validity) {
  for (const ValueStage stage : kStages) {
    const StageNameTable& names = log.StageTable(stage);
    for (int slot = 0; names.IsValid(slot); ++slot) {
      validity.SetBool(names.NameOf(slot), names.PresenceOf(slot));
    }
  }
  std::int32_t timeValid = 0;
  validity.GetBool(kUserTimestamp, &timeValid);
  validity.SetBool(kTimestamp, timeValid);
}

void RowValues::Bind(const LogFile& log, CDataMap& validity) {
  StoreValidity(log, validity);
  positions_.clear();
  values_.clear();
  const auto add = [this, &validity](std::string_view name, Value value) {
    value.valid = IsValid(validity, name);
    const auto [at, added] = positions_.try_emplace(std::string(name), values_.size());
    if (added) {
      values_.push_back(value);
    } else {
      values_[at->second] = value;
    }
  };
  for (const ValueStage stage : kStages) {
    const StageNameTable& names = log.StageTable(stage);
    for (int slot = 0; names.IsValid(slot); ++slot) {
      add(names.NameOf(slot), Value{stage, slot, names.PresenceOf(slot) != 0});
    }
  }
  add(kTimestamp, Value{});
}

void RowValues::Load(const DataRow& row) {
  for (Value& value : values_) {
    if (value.slot == -1) {
      value.number = 0.0;
      row.GetTimestamp(value.number);
    } else if (value.stage == ValueStage::kRaw) {
      value.number = value.present ? row.RawAt(value.slot) : 0;
    } else {
      value.number = StageValue(row, value.stage, value.slot);
    }
  }
}

const RowValues::Value* RowValues::Find(std::string_view name) const {
  const auto found = positions_.find(name);
  return found == positions_.end() ? nullptr : &values_[found->second];
}

void RowValues::Store(const Value& value, std::string_view key, CDataMap& result) {
  if (value.slot != -1 && value.stage == ValueStage::kRaw) {
    result.SetInt(key, static_cast<std::int32_t>(value.number));
  } else {
    result.SetDouble(key, value.number);
  }
}

}  // namespace pelcon
