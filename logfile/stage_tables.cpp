#include "logfile/stage_tables.hpp"

namespace pelcon {

int RawToBaseCode(int rawCode, bool lodax) {
  static const StageNameTable raw(ValueStage::kRaw);
  if (raw.SlotOfCode(rawCode) < 0) return -1;
  switch (rawCode) {
    case 100:
      return lodax ? 1 : -1;
    case 101:
      return -1;
    case 146:
    case 147:
    case 148:
      return 45;
    case 150:
    case 151:
      return 4;
    default:
      return rawCode;
  }
}

int BaseToRawCode(int baseCode, bool lodax) {
  switch (baseCode) {
    case 1:
      return lodax ? 100 : 1;
    case 4:
      return 150;
    case 45:
      return 146;
    default:
      return baseCode;
  }
}

int CookedToRawCode(int cookedCode) {
  return cookedCode;
}

int RawParameterType(int rawCode, bool lodax, const Block76& ports) {
  switch (rawCode) {
    case 1:
      return 2;
    case 2:
      return 3;
    case 3:
      return 6;
    case 5:
      return 27;
    case 100:
      return lodax ? 2 : 0;
    case 146:
    case 147:
    case 148:
      return 5;
    case 150:
    case 151:
      return 22;
    case 160:
    case 161:
    case 162:
    case 163:
    case 170:
      return 28;
    case 11:
    case 12:
    case 21:
    case 25:
    case 31:
    case 32:
    case 41:
    case 42: {
      const SensorPortEntry& port = ports.ports[rawCode / 10 - 1];
      return rawCode % 10 == 2 ? port.second.parameterType : port.first.parameterType;
    }
    default:
      return 0;
  }
}

StageTables::StageTables()
    : tables_{StageNameTable(ValueStage::kRaw), StageNameTable(ValueStage::kCooked),
              StageNameTable(ValueStage::kBase), StageNameTable(ValueStage::kUser)} {}

void StageTables::Reset() {
  for (StageNameTable& table : tables_) table.Reset();
}

void StageTables::MarkProvided(std::span<const std::uint8_t> channelCodes, bool lodax,
                               const Block76& ports) {
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
                            RawParameterType(code, lodax, ports));
  }
  for (int slot = 0; slot < raw.Size(); ++slot) {
    const int parameterType = raw.ParameterTypeOf(slot);
    const int baseCode = RawToBaseCode(raw.CodeOf(slot), lodax);
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
