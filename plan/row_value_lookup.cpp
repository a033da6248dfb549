#include "plan/row_value_lookup.hpp"

#include "values/value_dictionary.hpp"

namespace pelcon {

std::optional<RecordSlot> FindRecordSlot(const ValueDictionary& dictionary, std::string_view name) {
  const RowValues& rows = dictionary.RowValueTable();
  const RowValues::Value* value = rows.Find(name);
  if (value == nullptr) {
    const std::string* alias = dictionary.AppliedValues().FindAlias(name);
    value = alias != nullptr ? rows.Find(*alias) : nullptr;
  }
  if (value == nullptr || !value->valid) return std::nullopt;
  if (value->slot == -1) return RecordSlot{RecordSlot::Kind::kTimestamp, value->stage, -1};
  const auto kind =
      value->stage == ValueStage::kRaw ? RecordSlot::Kind::kRaw : RecordSlot::Kind::kStage;
  return RecordSlot{kind, value->stage, value->slot};
}

}  // namespace pelcon
