#pragma once

// The four stage name tables of one log file and the marking of the values the file provides.

#include <array>
#include <cstdint>
#include <span>

#include "logfile/log_blocks.hpp"
#include "logfile/stage_name_table.hpp"

namespace pelcon {

// Code maps between stages; -1 where a code maps to nothing.
int RawToBaseCode(int rawCode, bool lodax);
int BaseToRawCode(int baseCode, bool lodax);
int CookedToRawCode(int cookedCode);

// The parameter type of a RAW code present in a file. Port channels (11 to 42) take theirs from
// the sensor port entries of block 76.
int RawParameterType(int rawCode, bool lodax, const Block76& ports);

class StageTables {
 public:
  StageTables();

  void Reset();

  StageNameTable& Table(ValueStage stage) { return tables_[static_cast<std::size_t>(stage)]; }
  const StageNameTable& Table(ValueStage stage) const {
    return tables_[static_cast<std::size_t>(stage)];
  }

  // Marks presence and parameter types for a file whose records carry `channelCodes`.
  void MarkProvided(std::span<const std::uint8_t> channelCodes, bool lodax, const Block76& ports);

 private:
  std::array<StageNameTable, 4> tables_;
};

}  // namespace pelcon
