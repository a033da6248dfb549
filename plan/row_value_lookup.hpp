#pragma once

#include <optional>
#include <string_view>

#include "datalib/data_row.hpp"

namespace pelcon {

class ValueDictionary;

// Where a record holds a row value.
struct RecordSlot {
  enum class Kind { kStage, kRaw, kTimestamp };
  Kind kind = Kind::kStage;
  ValueStage stage = ValueStage::kRaw;
  int slot = -1;
};

// Where the dictionary's row value function finds the name (its own stage value, or the one an
// applied name is bound to); nothing when the file lacks it, and then the function fails at every
// record.
std::optional<RecordSlot> FindRecordSlot(const ValueDictionary& dictionary, std::string_view name);

}  // namespace pelcon
