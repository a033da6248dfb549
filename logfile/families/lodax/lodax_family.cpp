#include "logfile/families/lodax/lodax_family.hpp"

#include <cstddef>
#include <cstring>

#include "logfile/families/lodax/calibration_lodax.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

constexpr int kBarometricModel = 28;

constexpr int kBoardTemperatureCode = 100;
constexpr int kTemperatureCode = 1;
constexpr int kPressureCode = 2;
constexpr int kBarometerCode = 3;
constexpr int kTemperatureType = 2;

class Lodax final : public LogFamily {
 public:
  std::string_view Name() const override { return "Lodax"; }

  // The last code is the barometric logger.
  DeviceModels Models() const override {
    static constexpr std::string_view kNames[] = {"Lodax Model 1", "Lodax Model 2", "Lodax Model 3",
                                                  "Lodax Model 4", "Lodax Model 5", "Lodax Model 6",
                                                  "Lodax Model 7", "Lodax Model 8", "Pellum"};
    return {20, kNames};
  }

  std::string_view FlagValueName() const override { return "ENTITY_IS_LODAX"; }

  int FirstBlock() const override { return kLodaxFirstBlock; }

  TrailerFormat Trailer() const override {
    return {kLodaxTrailerBlock, layouts::kBlock101, offsetof(Block101, stoppedOn) + sizeof(Stamp)};
  }

  std::span<const int> HeaderBlockCounts() const override {
    static constexpr int kCounts[] = {7};
    return kCounts;
  }

  std::span<const int> RequiredBlocks() const override {
    static constexpr int kBlocks[] = {kLodaxFirstBlock, kLodaxBlock30, kLodaxCalibrationBlock,
                                      kLodaxBlock32};
    return kBlocks;
  }

  // Block 100 has no layout: its bytes stay as stored.
  void AppendConversions(LogBlocks& blocks, std::vector<BlockConversion>& out) const override {
    out.insert(out.end(), {{BytesOf(blocks.block30), layouts::kBlock30},
                           {BytesOf(blocks.block31), layouts::kBlock31},
                           {BytesOf(blocks.block32), layouts::kBlock32},
                           {BytesOf(blocks.block101), layouts::kBlock101}});
  }

  // The test definition's channels are not consulted: a level logger records one pressure, the
  // barometric logger the barometer.
  void AppendRecordCodes(const LogFile& log, std::vector<std::uint8_t>& codes) const override {
    codes.push_back(log.DeviceCode() == kBarometricModel ? kBarometerCode : kPressureCode);
  }

  // The board temperature is the logger's temperature.
  int RawToBaseCode(int rawCode) const override {
    return rawCode == kBoardTemperatureCode ? kTemperatureCode : LogFamily::RawToBaseCode(rawCode);
  }
  int BaseToRawCode(int baseCode) const override {
    return baseCode == kTemperatureCode ? kBoardTemperatureCode
                                        : LogFamily::BaseToRawCode(baseCode);
  }
  int RawParameterType(int rawCode, const LogBlocks& blocks) const override {
    return rawCode == kBoardTemperatureCode ? kTemperatureType
                                            : LogFamily::RawParameterType(rawCode, blocks);
  }

  std::optional<double> Cooked(const CalibrationInputs& in, int code) const override {
    return LodaxCooked(in, code);
  }
  std::optional<double> Base(const CalibrationInputs& in, int code) const override {
    return LodaxBase(in, code);
  }
  std::optional<double> User(const CalibrationInputs& in, int code) const override {
    return LodaxUser(in, code);
  }

  // Block 100 has no layout, so its year is still in file byte order; a year that reads above
  // 2005 as little-endian is taken as big-endian. The block itself is left as it is, so that a
  // second report of the same file agrees with the first.
  Stamp TestDefinedOn(const LogBlocks& blocks) const override {
    Stamp stamp = blocks.block100.definedOn;
    std::uint8_t bytes[2];
    std::memcpy(bytes, &stamp.year, sizeof bytes);
    const int littleEndian = bytes[0] | bytes[1] << 8;
    stamp.year =
        static_cast<std::uint16_t>(littleEndian > 2005 ? bytes[0] << 8 | bytes[1] : littleEndian);
    return stamp;
  }

  Stamp TestStoppedOn(const LogBlocks& blocks) const override { return blocks.block101.stoppedOn; }
};

}  // namespace

const LogFamily& LodaxFamily() {
  static const Lodax family;
  return family;
}

}  // namespace pelcon
