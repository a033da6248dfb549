#include "logfile/stage_tables.hpp"

#include "logfile/log_family.hpp"

namespace pelcon {

int CookedToRawCode(int cookedCode) {
  return cookedCode;
}

StageTables::StageTables()
    : tables_{StageNameTable(ValueStage::kRaw), StageNameTable(ValueStage::kCooked),
              StageNameTable(ValueStage::kBase), StageNameTable(ValueStage::kUser)} {}

void StageTables::Reset() {
  for (StageNameTable& table : tables_) table.Reset();
}

void StageTables::MarkProvided(std::span<const std::uint8_t> channelCodes, const LogFamily& family,
                               const LogBlocks& blocks) {
  StageNameTable& raw = Table(ValueStage::kRaw);
  StageNameTable& cooked = Table(ValueStage::kCooked);
  StageNameTable& base = Table(ValueStage::kBase);
  StageNameTable& user = Table(ValueStage::kUser);

  // Slots are found by name, not by code: of two slots with one name the later one is marked.
  for (const std::uint8_t code : channelCodes) {
    raw.SetPresence(raw.SlotOfName(raw.NameOf(raw.SlotOfCode(code))), 1);
    cooked.SetPresence(cooked.SlotOfName(cooked.NameOf(cooked.SlotOfCode(code))), 1);
  }
  for (const std::uint8_t code : channelCodes) {
    if (raw.SlotOfCode(code) < 0) continue;
    raw.RecordParameterType(raw.SlotOfName(raw.NameOf(raw.SlotOfCode(code))),
                            family.RawParameterType(code, blocks));
  }
  for (int slot = 0; slot < raw.Size(); ++slot) {
    const int parameterType = raw.ParameterTypeOf(slot);
    const int baseCode = family.RawToBaseCode(raw.CodeOf(slot));
    if (parameterType <= 0 || baseCode < 0) continue;
    for (StageNameTable* table : {&base, &user}) {
      const int codeSlot = table->SlotOfCode(baseCode);
      if (codeSlot < 0) continue;
      const int target = table->SlotOfName(table->NameOf(codeSlot));
      table->SetParameterType(target, parameterType);
      table->SetPresence(target, raw.PresenceOf(slot));
    }
  }
  base.SetPresence(base.SlotOfName("BASE_TIMESTAMP"), 1);
  user.SetPresence(user.SlotOfName("USER_TIMESTAMP"), 1);
}

}  // namespace pelcon
