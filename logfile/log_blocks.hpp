#pragma once

// The byte format of a log file: every header block, trailer and the test start stamp as a packed
// structure, the layout string that converts it from file byte order, and its size. Field names
// carry their byte offset where the meaning of a field is not known to this system. The blocks
// every family shares are in block_format.hpp, those of one family in its folder; here they come
// together. The reading logic lives in log_loader.cpp; nothing here decodes.

#include <array>
#include <cstdint>
#include <span>

#include "logfile/block_format.hpp"
#include "logfile/families/lodax/lodax_blocks.hpp"
#include "logfile/families/vorta/vorta_blocks.hpp"

namespace pelcon {

// Every stored layout with the size it covers.
namespace layouts {
inline constexpr std::array<RecordLayout, 25> kAll{
    kEventTest,    kLinearTest,   kLogarithmicTest, kLinearAverageTest, kTestStartStamp,
    kBlock35,      kBlock57,      kBlock73,         kBlock102,          kBlock72,
    kBlock74Entry, kBlock76Entry, kBlock103,        kBlock85,           kBlock86,
    kBlock83,      kBlock58,      kBlock89,         kBlock91,           kBlock92,
    kBlock93,      kBlock30,      kBlock31,         kBlock32,           kBlock101};
}  // namespace layouts

// The size of each header block and trailer as it lies in the file (test definitions without
// their channel tail); 0 for a type that has no block.
constexpr std::uint16_t BlockSizeOf(int type) {
  switch (type) {
    case kLinearTestBlock:
      return layouts::kLinearTest.size;
    case kLogarithmicTestBlock:
      return layouts::kLogarithmicTest.size;
    case kEventTestBlock:
      return layouts::kEventTest.size;
    case kLinearAverageTestBlock:
      return layouts::kLinearAverageTest.size;
    case kLodaxBlock30:
      return layouts::kBlock30.size;
    case kLodaxCalibrationBlock:
      return layouts::kBlock31.size;
    case kLodaxBlock32:
      return layouts::kBlock32.size;
    case kSiteBlock:
      return layouts::kBlock35.size;
    case kDeviceBlock:
      return layouts::kBlock57.size;
    case kBlock58:
      return layouts::kBlock58.size;
    case kFactoryCalibrationBlock:
      return layouts::kBlock72.size;
    case kPressureCalibrationBlock:
      return layouts::kBlock73.size;
    case kBlock74:
      return 4 * layouts::kBlock74Entry.size;
    case kSensorPortBlock:
      return 4 * layouts::kBlock76Entry.size;
    case kUserTurbidityBlock:
      return layouts::kBlock83.size;
    case kBlock85:
      return layouts::kBlock85.size;
    case kTurbidityBlock:
      return layouts::kBlock86.size;
    case kBlock89:
      return layouts::kBlock89.size;
    case kBlock91:
      return layouts::kBlock91.size;
    case kBlock92:
      return layouts::kBlock92.size;
    case kBlock93:
      return layouts::kBlock93.size;
    case kLodaxFirstBlock:
      return kBlock100Size;
    case kLodaxTrailerBlock:
      return layouts::kBlock101.size;
    case kVortaFirstBlock:
      return layouts::kBlock102.size;
    case kVortaTrailerBlock:
      return layouts::kBlock103.size;
    default:
      return 0;
  }
}

// The bytes of a block, to be read into or converted in place.
template <typename Block>
std::span<std::uint8_t> BytesOf(Block& block) {
  return {reinterpret_cast<std::uint8_t*>(&block), sizeof(Block)};
}

// The channel count of a test definition buffer sits 3 bytes before its layout's end.
inline int StoredChannelCount(std::span<const std::uint8_t> definition, int type) {
  return definition[BlockSizeOf(type) - 3u];
}

// Every header block, trailer and the test start stamp of one file, zero where absent.
struct LogBlocks {
  EventTestDefinition eventTest;
  LinearTestDefinition linearTest;
  LogarithmicTestDefinition logarithmicTest;
  LinearAverageTestDefinition linearAverageTest;
  Stamp testStart;
  Block35 block35;
  Block57 block57;
  Block30 block30;
  Block31 block31;
  Block32 block32;
  Block100 block100;
  Block102 block102;
  Block73 block73;
  Block72 block72;
  Block74 block74;
  Block76 block76;
  Block85 block85;
  Block86 block86;
  Block83 block83;
  Block58 block58;
  Block89 block89;
  Block91 block91;
  Block92 block92;
  Block93 block93;
  Block101 block101;
  Block103 block103;
};

}  // namespace pelcon
