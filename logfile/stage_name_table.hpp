#pragma once

// The four tables of value names, one per stage (RAW, COOKED, BASE, USER). Names and codes are
// compiled in; the parameter type and presence of each slot are set per loaded file.

#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "datalib/data_row.hpp"

namespace pelcon {

// One compiled-in row of a stage name table.
struct StageNameRow {
  std::string_view name;
  int code;
};

class StageNameTable {
 public:
  explicit StageNameTable(ValueStage stage);

  // Back to the compiled-in rows: every parameter type -1, every presence 0.
  void Reset();

  ValueStage stage() const { return stage_; }
  int Size() const { return static_cast<int>(rows_.size()); }
  bool IsValid(int slot) const { return slot >= 0 && slot < Size(); }

  // Lookups answer -1 when nothing is found. Names match exactly; of two equal names the later
  // slot answers.
  int SlotOfName(std::string_view name) const;
  int SlotOfCode(int code) const;
  // The slot last recorded under a parameter type (RecordParameterType).
  int SlotOfParameterType(int parameterType) const;

  // Empty, -1, -1 and 0 for a slot that is not valid.
  std::string_view NameOf(int slot) const;
  int CodeOf(int slot) const {
    return IsValid(slot) ? rows_[static_cast<std::size_t>(slot)].code : -1;
  }
  int ParameterTypeOf(int slot) const;
  // Inline: asked for every slot of every record a conversion computes.
  int PresenceOf(int slot) const {
    return IsValid(slot) ? state_[static_cast<std::size_t>(slot)].presence : 0;
  }

  // Return false, changing nothing, for a slot that is not valid.
  bool SetParameterType(int slot, int parameterType);
  bool SetPresence(int slot, int presence);
  // Sets the slot's parameter type and records the slot under it for SlotOfParameterType.
  bool RecordParameterType(int slot, int parameterType);

 private:
  struct SlotState {
    int parameterType = -1;
    int presence = 0;
  };

  ValueStage stage_;
  std::span<const StageNameRow> rows_;
  const std::unordered_map<std::string_view, int>* byName_;
  const std::unordered_map<int, int>* byCode_;
  std::vector<SlotState> state_;
  std::unordered_map<int, int> byParameterType_;
};

}  // namespace pelcon
