#pragma once

// The four stage name tables of one log file and the marking of the values the file provides.

#include <array>
#include <cstdint>
#include <span>

#include "logfile/log_blocks.hpp"
#include "logfile/stage_name_table.hpp"

namespace pelcon {

class LogFamily;

// COOKED values have the codes of their readings; the other maps are the family's.
int CookedToRawCode(int cookedCode);

class StageTables {
 public:
  StageTables();

  void Reset();

  StageNameTable& Table(ValueStage stage) { return tables_[static_cast<std::size_t>(stage)]; }
  const StageNameTable& Table(ValueStage stage) const {
    return tables_[static_cast<std::size_t>(stage)];
  }

  // Marks presence and parameter types for a file whose records carry `channelCodes`.
  void MarkProvided(std::span<const std::uint8_t> channelCodes, const LogFamily& family,
                    const LogBlocks& blocks);

 private:
  std::array<StageNameTable, 4> tables_;
};

}  // namespace pelcon
