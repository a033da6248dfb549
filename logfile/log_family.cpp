#include "logfile/log_family.hpp"

#include "logfile/stage_name_table.hpp"

namespace pelcon {
namespace {

class NoFamily final : public LogFamily {
 public:
  std::string_view Name() const override { return {}; }
  DeviceModels Models() const override { return {}; }
  std::string_view FlagValueName() const override { return {}; }
  int FirstBlock() const override { return 0; }
  TrailerFormat Trailer() const override { return {}; }
  std::span<const int> HeaderBlockCounts() const override { return {}; }
  std::span<const int> RequiredBlocks() const override { return {}; }
  void AppendConversions(LogBlocks&, std::vector<BlockConversion>&) const override {}
  void AppendRecordCodes(const LogFile&, std::vector<std::uint8_t>&) const override {}
  std::optional<double> Cooked(const CalibrationInputs&, int) const override { return {}; }
  std::optional<double> Base(const CalibrationInputs&, int) const override { return {}; }
  std::optional<double> User(const CalibrationInputs&, int) const override { return {}; }
  Stamp TestDefinedOn(const LogBlocks&) const override { return {}; }
  Stamp TestStoppedOn(const LogBlocks&) const override { return {}; }
};

}  // namespace

bool LogFamily::OwnsDeviceCode(int deviceCode) const {
  const DeviceModels models = Models();
  return deviceCode >= models.first &&
         deviceCode - models.first < static_cast<int>(models.names.size());
}

std::string_view LogFamily::ModelName(int deviceCode) const {
  if (!OwnsDeviceCode(deviceCode)) return "Unknown";
  return Models().names[static_cast<std::size_t>(deviceCode - Models().first)];
}

bool LogFamily::AcceptsBlock(std::span<const std::uint8_t>, int) const {
  return true;
}

void LogFamily::FillAbsentBlocks(LogBlocks&) const {}

int LogFamily::RawToBaseCode(int rawCode) const {
  static const StageNameTable raw(ValueStage::kRaw);
  if (raw.SlotOfCode(rawCode) < 0) return -1;
  switch (rawCode) {
    case 100:
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

int LogFamily::BaseToRawCode(int baseCode) const {
  switch (baseCode) {
    case 4:
      return 150;
    case 45:
      return 146;
    default:
      return baseCode;
  }
}

int LogFamily::RawParameterType(int rawCode, const LogBlocks&) const {
  switch (rawCode) {
    case 1:
      return 2;
    case 2:
      return 3;
    case 3:
      return 6;
    case 5:
      return 27;
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
    default:
      return 0;
  }
}

const LogFamily& FamilyOfDeviceCode(int deviceCode) {
  for (const LogFamily* family : LogFamilies()) {
    if (family->OwnsDeviceCode(deviceCode)) return *family;
  }
  return UnknownFamily();
}

const LogFamily& UnknownFamily() {
  static const NoFamily none;
  return none;
}

const LogFamily* FamilyStartingWith(int blockType) {
  for (const LogFamily* family : LogFamilies()) {
    if (family->FirstBlock() == blockType) return family;
  }
  return nullptr;
}

const LogFamily* FamilyEndingWith(int blockType) {
  for (const LogFamily* family : LogFamilies()) {
    if (family->Trailer().type == blockType) return family;
  }
  return nullptr;
}

}  // namespace pelcon
