#include "datalib/data_row.hpp"

#include <algorithm>

namespace pelcon {

void StageSelection::Select(ValueStage stage, int slot) {
  const auto add = [slot](std::vector<int>& slots, int count) {
    if (slot < 0 || slot >= count) return;
    const auto at = std::ranges::lower_bound(slots, slot);
    if (at == slots.end() || *at != slot) slots.insert(at, slot);
  };
  switch (stage) {
    case ValueStage::kCooked:
      add(cooked, kCookedSlotCount);
      break;
    case ValueStage::kBase:
      add(base, kBaseSlotCount);
      break;
    case ValueStage::kUser:
      add(user, kUserSlotCount);
      break;
    case ValueStage::kRaw:
      break;
  }
}

void DataRow::Reset() {
  raw_.fill(0);
  timestamp_ = 0.0;
  stages_.reset();
}

int DataRow::SetTimestamp(double timestamp) {
  timestamp_ = timestamp;
  return 1;
}

int DataRow::GetTimestamp(double& timestamp) const {
  timestamp = timestamp_;
  return 1;
}

int DataRow::SetRaw(std::string_view name, std::uint16_t value) {
  const int slot = owner_->StageSlotOf(ValueStage::kRaw, name);
  if (slot < 0 || slot >= kRawSlotCount) return 0;
  owner_->SetStagePresence(ValueStage::kRaw, slot, 1);
  raw_[static_cast<std::size_t>(slot)] = value;
  return 1;
}

int DataRow::GetRaw(std::string_view name, std::uint16_t& value) const {
  value = 0;
  const int slot = owner_->StageSlotOf(ValueStage::kRaw, name);
  if (slot < 0 || slot >= kRawSlotCount) return 0;
  const int presence = owner_->StagePresence(ValueStage::kRaw, slot);
  if (presence != 0) value = raw_[static_cast<std::size_t>(slot)];
  return presence;
}

template <std::size_t N>
int DataRow::GetStage(ValueStage stage, const std::array<double, N> DataRowStages::*values,
                      std::string_view name, double& value) const {
  value = 0.0;
  const int slot = owner_->StageSlotOf(stage, name);
  if (slot < 0) return 0;
  const int presence = owner_->StagePresence(stage, slot);
  if (presence != 0 && stages_ != nullptr && static_cast<std::size_t>(slot) < N) {
    value = ((*stages_).*values)[static_cast<std::size_t>(slot)];
  }
  return presence;
}

int DataRow::GetCooked(std::string_view name, double& value) const {
  return GetStage(ValueStage::kCooked, &DataRowStages::cooked, name, value);
}

int DataRow::GetBase(std::string_view name, double& value) const {
  return GetStage(ValueStage::kBase, &DataRowStages::base, name, value);
}

int DataRow::GetUser(std::string_view name, double& value) const {
  return GetStage(ValueStage::kUser, &DataRowStages::user, name, value);
}

}  // namespace pelcon
