#include "logfile/families/vorta/vorta_family.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "logfile/families/vorta/calibration_user.hpp"
#include "logfile/families/vorta/calibration_vorta.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

// Blocks a file may leave out; a header longer than eight blocks holds at least one of them.
bool IsOptionalBlock(int type) {
  switch (type) {
    case kBlock58:
    case kUserTurbidityBlock:
    case kBlock85:
    case kTurbidityBlock:
    case kBlock89:
    case kBlock91:
    case kBlock92:
    case kBlock93:
      return true;
    default:
      return false;
  }
}

constexpr Stamp kDefaultStamp{1999, 9, 9, 9, 9, 9, 9};

constexpr CalibrationGroup kDefaultGroup{45, 0.0f, 0.0f, 25.0f};
constexpr CalibrationPair kDefaultPair{1.0f, 0.0f};

template <typename Record>
void FillDefaultCalibration(Record& record, std::uint8_t tag) {
  record.tag = tag;
  record.parameterType = 22;
  record.stamp = kDefaultStamp;
  record.e = 45;
  record.pointCount = 1;
  std::fill(std::begin(record.groups), std::end(record.groups), kDefaultGroup);
  std::fill(std::begin(record.pairs), std::end(record.pairs), kDefaultPair);
}

class Vorta final : public LogFamily {
 public:
  std::string_view Name() const override { return "Vorta"; }

  DeviceModels Models() const override {
    static constexpr std::string_view kNames[] = {
        "Vorta Model 1", "Vorta Model 2",  "Vorta Model 3", "Vorta Model 4",
        "Vorta Model 5", "Vorta Model 6",  "Vorta Model 7", "Vorta Model 8",
        "Vorta Model 9", "Vorta Model 10", "Vorta Model 11"};
    return {30, kNames};
  }

  std::string_view FlagValueName() const override { return "ENTITY_IS_VORTA"; }

  int FirstBlock() const override { return kVortaFirstBlock; }

  TrailerFormat Trailer() const override {
    return {kVortaTrailerBlock, layouts::kBlock103, offsetof(Block103, stoppedOn) + sizeof(Stamp)};
  }

  std::span<const int> HeaderBlockCounts() const override {
    static constexpr int kCounts[] = {8, 11, 12, 13, 16};
    return kCounts;
  }

  bool AcceptsBlock(std::span<const std::uint8_t> read, int type) const override {
    return read.size() < 8 || IsOptionalBlock(type) ||
           std::any_of(read.begin(), read.end(), IsOptionalBlock);
  }

  std::span<const int> RequiredBlocks() const override {
    static constexpr int kBlocks[] = {kDeviceBlock,
                                      kPressureCalibrationBlock,
                                      kVortaFirstBlock,
                                      kFactoryCalibrationBlock,
                                      kBlock74,
                                      kSensorPortBlock,
                                      kBlock85,
                                      kTurbidityBlock,
                                      kUserTurbidityBlock,
                                      kBlock58,
                                      kBlock89,
                                      kBlock91,
                                      kBlock92,
                                      kBlock93};
    return kBlocks;
  }

  void AppendConversions(LogBlocks& blocks, std::vector<BlockConversion>& out) const override {
    out.insert(out.end(), {{BytesOf(blocks.block73), layouts::kBlock73},
                           {BytesOf(blocks.block102), layouts::kBlock102},
                           {BytesOf(blocks.block72), layouts::kBlock72}});
    for (int k = 0; k < 4; ++k) {
      out.emplace_back(BytesOf(blocks.block74.entries[k]), layouts::kBlock74Entry);
      out.emplace_back(BytesOf(blocks.block76.ports[k]), layouts::kBlock76Entry);
    }
    out.insert(out.end(), {{BytesOf(blocks.block103), layouts::kBlock103},
                           {BytesOf(blocks.block85), layouts::kBlock85},
                           {BytesOf(blocks.block86), layouts::kBlock86},
                           {BytesOf(blocks.block83), layouts::kBlock83},
                           {BytesOf(blocks.block58), layouts::kBlock58},
                           {BytesOf(blocks.block89), layouts::kBlock89},
                           {BytesOf(blocks.block91), layouts::kBlock91},
                           {BytesOf(blocks.block92), layouts::kBlock92},
                           {BytesOf(blocks.block93), layouts::kBlock93}});
  }

  // What the instrument assumes for the optional blocks a file left out.
  void FillAbsentBlocks(LogBlocks& blocks) const override {
    if (blocks.block85.type == 0) {
      blocks.block85 = Block85{};
      blocks.block85.type = kBlock85;
      const std::uint16_t settings[10] = {250, 500, 0, 125, 125, 13, 3, 30, 90, 0};
      // Element by element: a pointer into a packed block would be misaligned.
      for (std::size_t k = 0; k < std::size(settings); ++k) {
        blocks.block85.settings[k] = settings[k];
      }
    }
    if (blocks.block86.type == 0) {
      blocks.block86 = Block86{};
      blocks.block86.type = kTurbidityBlock;
      blocks.block86.byte1 = 9;
      blocks.block86.text2[0] = 'T';
      blocks.block86.text2[1] = 'B';
      blocks.block86.word8 = 1;
      blocks.block86.stamp10 = kDefaultStamp;
      FillDefaultCalibration(blocks.block86.high, 82);
      FillDefaultCalibration(blocks.block86.low, 82);
    }
    if (blocks.block83.type == 0) {
      blocks.block83 = Block83{};
      blocks.block83.type = kUserTurbidityBlock;
      FillDefaultCalibration(blocks.block83.user, 75);
    }
    if (blocks.block58.type == 0) {
      blocks.block58 = Block58{};
      blocks.block58.type = kBlock58;
      blocks.block58.word1 = 12345;
      blocks.block58.word3 = 41;
      blocks.block58.word5 = 18;
      blocks.block58.float7 = 19.0f;
      blocks.block58.word11 = 65431;
      blocks.block58.word13 = 35;
      blocks.block58.float15 = 0.0f;
      blocks.block58.float19 = 2200.0f;
      blocks.block58.fixedBarometer = 14.0f;
    }
    if (blocks.block89.type == 0) {
      blocks.block89 = Block89{};
      blocks.block89.type = kBlock89;
      blocks.block89.stamp5 = kDefaultStamp;
      blocks.block89.word167 = 1;
    }
    if (blocks.block91.type == 0) blocks.block91.type = kBlock91;
    if (blocks.block92.type == 0) blocks.block92.type = kBlock92;
    if (blocks.block93.type == 0) blocks.block93.type = kBlock93;
  }

  // Each channel of the test definition in order; some channels give several readings.
  void AppendRecordCodes(const LogFile& log, std::vector<std::uint8_t>& codes) const override {
    for (const std::uint8_t code : log.DefinedChannelCodes()) {
      switch (code) {
        case 4:
          codes.insert(codes.end(), {151, 150});
          break;
        case 45:
          codes.insert(codes.end(), {146, 147, 148});
          break;
        case 16:
        case 36:
          codes.insert(codes.end(), {160, 161, 162, 163});
          break;
        case 17:
        case 37:
          codes.push_back(170);
          break;
        case 2:
          codes.insert(codes.end(), {101, 2});
          break;
        default:
          codes.push_back(code);
          break;
      }
    }
  }

  // A sensor port channel (11 to 42) has the type its port entry in block 76 gives it.
  int RawParameterType(int rawCode, const LogBlocks& blocks) const override {
    switch (rawCode) {
      case 11:
      case 12:
      case 21:
      case 25:
      case 31:
      case 32:
      case 41:
      case 42: {
        const SensorPortEntry& port = blocks.block76.ports[rawCode / 10 - 1];
        return rawCode % 10 == 2 ? port.second.parameterType : port.first.parameterType;
      }
      default:
        return LogFamily::RawParameterType(rawCode, blocks);
    }
  }

  std::optional<double> Cooked(const CalibrationInputs& in, int code) const override {
    return VortaCooked(in, code);
  }
  std::optional<double> Base(const CalibrationInputs& in, int code) const override {
    return VortaBase(in, code);
  }
  std::optional<double> User(const CalibrationInputs& in, int code) const override {
    return VortaUser(in, code);
  }

  Stamp TestDefinedOn(const LogBlocks& blocks) const override { return blocks.block102.definedOn; }
  Stamp TestStoppedOn(const LogBlocks& blocks) const override { return blocks.block103.stoppedOn; }
};

}  // namespace

const LogFamily& VortaFamily() {
  static const Vorta family;
  return family;
}

}  // namespace pelcon
