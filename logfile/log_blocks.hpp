#pragma once

// The byte format of a log file: every header block, trailer and the test start stamp as a packed
// structure, the layout string that converts it from file byte order, and its size. Field names
// carry their byte offset where the meaning of a field is not known to this system. The reading
// logic lives in log_loader.cpp; nothing here decodes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelcon {

// A layout string (see layout_decoder.hpp) and the number of bytes it covers.
struct RecordLayout {
  std::string_view text;
  std::uint16_t size;
};

// Block type codes: the first byte of a header block, the last byte of a trailer.
enum BlockType : std::uint8_t {
  kLinearTestBlock = 1,
  kLogarithmicTestBlock = 2,
  kEventTestBlock = 3,
  kLinearAverageTestBlock = 4,
  kLodaxBlock30 = 30,
  kLodaxCalibrationBlock = 31,
  kLodaxBlock32 = 32,
  kSiteBlock = 35,
  kDeviceBlock = 57,
  kBlock58 = 58,
  kFactoryCalibrationBlock = 72,
  kPressureCalibrationBlock = 73,
  kBlock74 = 74,
  kSensorPortBlock = 76,
  kUserTurbidityBlock = 83,
  kBlock85 = 85,
  kTurbidityBlock = 86,
  kBlock89 = 89,
  kBlock91 = 91,
  kBlock92 = 92,
  kBlock93 = 93,
  kLodaxFirstBlock = 100,
  kLodaxTrailerBlock = 101,
  kVortaFirstBlock = 102,
  kVortaTrailerBlock = 103,
};

// The trailer's first 16-bit word; any other value means the bytes are data, not a trailer.
inline constexpr std::uint16_t kTrailerMarkers[] = {0x8001, 0x8003};

// Codes beyond the two a test definition holds in its layout.
inline constexpr int kExtraChannelCodes = 40;
inline constexpr int kMaxChannelCount = 2 + kExtraChannelCodes;
// Values per data record, board temperature included.
inline constexpr int kMaxRecordValues = 40;

#pragma pack(push, 1)

// Year, month, day, hour, minute, second, hundredths; a year of 0 means "not set".
struct Stamp {
  std::uint16_t year;
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t hour;
  std::uint8_t minute;
  std::uint8_t second;
  std::uint8_t hundredths;
};

struct Duration {
  std::uint8_t days;
  std::uint8_t hours;
  std::uint8_t minutes;
  std::uint8_t seconds;
  std::uint8_t hundredths;

  double Days() const {
    return days + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0 + hundredths / 8640000.0;
  }
};

// (byte, float, float, float): one calibration point.
struct CalibrationGroup {
  std::uint8_t code;
  float f1;
  float f2;
  float f3;
};

struct CalibrationPair {
  float slope;
  float offset;
};

// The 114-byte channel calibration record of the sensor ports (block 76) and of block 83.
struct ChannelCalibrationRecord {
  std::uint8_t tag;
  std::uint8_t parameterType;
  Stamp stamp;
  std::uint8_t e;           // offset 10
  std::uint8_t pointCount;  // offset 11, "d"
  CalibrationGroup groups[6];
  CalibrationPair pairs[3];
};

// The 109-byte range record of block 86 (turbidity): five groups and four pairs.
struct TurbidityRangeRecord {
  std::uint8_t tag;
  std::uint8_t parameterType;
  Stamp stamp;
  std::uint8_t e;
  std::uint8_t pointCount;  // offset 11
  CalibrationGroup groups[5];
  CalibrationPair pairs[4];
};

// The part every test definition shares: offsets 0 to 27.
struct TestDefinitionHead {
  std::uint8_t type;
  std::uint8_t byte1;
  char name[17];          // zero-padded
  std::uint8_t filledIn;  // nonzero when the definition is filled in
  Stamp scheduledStart;   // offset 20
};

// Test definitions carry room for kExtraChannelCodes codes beyond their layout.
struct LinearTestDefinition {
  TestDefinitionHead head;
  Duration interval;  // offset 28
  std::uint8_t channelCount;
  std::uint8_t channelCodes[kMaxChannelCount];
};

struct LogarithmicTestDefinition {
  TestDefinitionHead head;
  Duration maxInterval;  // offset 28
  std::uint8_t byte33;
  std::uint8_t channelCount;
  std::uint8_t channelCodes[kMaxChannelCount];
};

struct EventTestDefinition {
  TestDefinitionHead head;
  float deltaThreshold;            // offset 28
  std::uint8_t storageMultiplier;  // offset 32
  std::uint8_t monitoredChannel;   // offset 33
  Duration interval;               // offset 34
  std::uint8_t channelCount;
  std::uint8_t channelCodes[kMaxChannelCount];
};

struct LinearAverageTestDefinition {
  TestDefinitionHead head;
  std::uint8_t secondsBetweenMeasurements;  // offset 28
  std::uint8_t measurementCount;            // offset 29
  Duration interval;                        // offset 30
  std::uint8_t channelCount;
  std::uint8_t channelCodes[kMaxChannelCount];
};

// Level and site settings.
struct Block35 {
  std::uint8_t type;
  std::uint8_t byte1;
  char text2[17];
  std::uint8_t byte19;
  std::uint16_t word20;
  std::uint8_t displayMode;
  float userReference;
  float nowReference;
  float specificGravity;
  std::uint8_t whenToReadReference;
  std::uint8_t latitude;
  std::uint8_t byte37;
  float elevation;
  float density;
};

// Device identity.
struct Block57 {
  std::uint8_t type;
  std::uint8_t deviceCode;
  std::uint16_t serialNumber;
  std::uint16_t word4;
  std::uint16_t word6;
  std::uint8_t bytes8[6];
  std::uint16_t firmwareVersion;
  std::uint8_t byte16;
  std::uint8_t byte17;
  std::uint8_t byte18;
  Stamp stamp19;
  char unitName[17];  // zero-terminated
  Stamp stamp44;
  std::uint32_t long52;
  std::uint32_t long56;
  std::uint32_t long60;
  float float64;
  float float68;
};

struct Block30 {
  std::uint8_t type;
  std::uint8_t byte1;
  std::uint16_t word2;
  std::uint8_t byte4;
  std::uint8_t byte5;
  char text6[16];
};

// Lodax calibration.
struct Block31 {
  std::uint8_t type;
  Stamp stamp;
  std::uint16_t word9;
  std::uint16_t word11;
  std::uint8_t byte13;
  float pressure[16];  // offset 14, bicubic
  std::uint16_t word78;
  float temperature[4];  // offset 80, cubic
};

struct Block32 {
  std::uint8_t type;
  std::uint8_t byte1;
  char text2[17];
};

// First block of a Lodax file; it has no layout, so the stamp stays in file byte order.
struct Block100 {
  std::uint8_t type;
  Stamp definedOn;
};

// First block of a Vorta file.
struct Block102 {
  std::uint8_t type;
  Stamp definedOn;
  char text9[48];
  char text57[48];
};

// Pressure transducer calibration.
struct Block73 {
  std::uint8_t type;
  std::uint8_t byte1;
  std::uint8_t byte2;
  std::uint16_t word3;
  std::uint8_t byte5;
  std::uint8_t byte6;
  char text7[16];
  std::uint8_t byte23;
  Stamp stamp24;
  std::uint16_t word32;
  std::uint16_t word34;
  std::uint8_t byte36;
  float compensation[16];  // offset 37, bicubic
  std::uint16_t word101;
  float floats103[4];
};

// Factory calibration.
struct Block72 {
  std::uint8_t type;
  Stamp stamp;
  std::uint16_t word9;
  float boardTemperature[4];  // offset 11, cubic
  float pressureReference;    // offset 27
  std::uint8_t byte31;
  float table[303];  // offset 32
};

struct Block74Entry {
  std::uint8_t byte0;
  std::uint8_t byte1;
  std::uint8_t bytes2[6];
  std::uint16_t word8;
  std::uint16_t word10;
  std::uint8_t bytes12[6];
};

struct Block74 {
  Block74Entry entries[4];
};

// One sensor port: the first channel's record at entry byte 1, the second's at 115.
struct SensorPortEntry {
  std::uint8_t port;
  ChannelCalibrationRecord first;
  ChannelCalibrationRecord second;
};

struct Block76 {
  SensorPortEntry ports[4];
};

struct Block85 {
  std::uint8_t type;
  std::uint16_t settings[10];
  std::uint8_t byte21;
  std::uint8_t byte22;
};

// Turbidity calibration; the short (236-byte) form in a file lacks the four coefficients.
struct Block86 {
  std::uint8_t type;
  std::uint8_t byte1;
  char text2[6];
  std::uint16_t word8;
  Stamp stamp10;
  TurbidityRangeRecord high;  // offset 18
  TurbidityRangeRecord low;   // offset 127
  float highTemperature[2];   // offset 236: kH1, kH2
  float lowTemperature[2];    // offset 244: kL1, kL2
};

// User calibration of turbidity.
struct Block83 {
  std::uint8_t type;
  ChannelCalibrationRecord user;
};

struct Block58 {
  std::uint8_t type;
  std::uint16_t word1;
  std::uint16_t word3;
  std::uint16_t word5;
  float float7;
  std::uint16_t word11;
  std::uint16_t word13;
  float float15;
  float float19;
  float fixedBarometer;               // offset 23
  std::uint8_t fixedBarometerSwitch;  // offset 27
};

struct Block89 {
  std::uint8_t type;
  float float1;
  Stamp stamp5;
  std::uint16_t word13;
  float floats15[3];
  std::uint16_t word27;
  std::uint16_t word29;
  float floats31[34];
  std::uint16_t word167;
  std::uint8_t bytes169[20];
};

struct Block91 {
  std::uint8_t type;
  std::uint32_t long1;
  std::uint32_t long5;
  std::uint16_t word9;
  std::uint32_t long11;
  float float15;
};

struct Block92 {
  std::uint8_t type;
  std::uint32_t long1;
  std::uint32_t long5;
  std::uint32_t long9;
  std::uint32_t long13;
  std::uint16_t word17;
};

struct Block93 {
  std::uint8_t type;
  float floats[7];
};

struct Block101 {
  std::uint16_t marker;
  std::uint16_t word2;
  Stamp stoppedOn;  // offset 4
  std::uint32_t long12;
  std::uint8_t type;  // offset 16, last byte of the file
};

struct Block103 {
  std::uint16_t marker;
  std::uint16_t word2;
  Stamp stoppedOn;  // offset 4
  std::uint32_t long12;
  float float16;
  float float20;
  std::uint8_t type;  // offset 24, last byte of the file
};

#pragma pack(pop)

// Every stored layout with the size it covers.
namespace layouts {
inline constexpr RecordLayout kEventTest{"cc17(c)ci6(c)fcc5(c)c2(c)", 42};
inline constexpr RecordLayout kLinearTest{"cc17(c)ci6(c)5(c)c2(c)", 36};
inline constexpr RecordLayout kLogarithmicTest{"cc17(c)ci6(c)5(c)cc2(c)", 37};
inline constexpr RecordLayout kLinearAverageTest{"cc17(c)ci6(c)cc5(c)c2(c)", 38};
inline constexpr RecordLayout kTestStartStamp{"i6(c)", 8};
inline constexpr RecordLayout kBlock35{"cc17(c)cicfffcccff", 46};
inline constexpr RecordLayout kBlock57{"cciii6(c)iccci6(c)17(c)i6(c)lllff", 72};
inline constexpr RecordLayout kBlock73{"cccicc16(c)ci6(c)iic16(f)i4(f)", 119};
inline constexpr RecordLayout kBlock102{"ci6(c)48(c)48(c)", 105};
inline constexpr RecordLayout kBlock72{"ci6(c)i4(f)fc303(f)", 1244};
inline constexpr RecordLayout kBlock74Entry{"cc6(c)ii6(c)", 18};
inline constexpr RecordLayout kBlock76Entry{"ccci6(c)cc6(cfff)3(ff)cci6(c)cc6(cfff)3(ff)", 229};
inline constexpr RecordLayout kBlock103{"iii6(c)lffc", 25};
inline constexpr RecordLayout kBlock85{"ciiiiiiiiiicc", 23};
inline constexpr RecordLayout kBlock86{
    "cc6(c)ii6(c)cci6(c)cc5(cfff)4(ff)cci6(c)cc5(cfff)4(ff)2(ff)", 252};
inline constexpr RecordLayout kBlock83{"ccci6(c)cc6(cfff)3(ff)", 115};
inline constexpr RecordLayout kBlock58{"ciiifiifffc", 28};
inline constexpr RecordLayout kBlock89{"cfi6(c)i3(f)ii34(f)i20(c)", 189};
inline constexpr RecordLayout kBlock91{"cllilf", 19};
inline constexpr RecordLayout kBlock92{"clllli", 19};
inline constexpr RecordLayout kBlock93{"cfffffff", 29};
inline constexpr RecordLayout kBlock30{"ccicc16(c)", 22};
inline constexpr RecordLayout kBlock31{"ci6(c)iic16(f)i4(f)", 96};
inline constexpr RecordLayout kBlock32{"cc17(c)", 19};
inline constexpr RecordLayout kBlock101{"iii6(c)lc", 17};

inline constexpr std::array<RecordLayout, 25> kAll{
    kEventTest,    kLinearTest,   kLogarithmicTest, kLinearAverageTest, kTestStartStamp,
    kBlock35,      kBlock57,      kBlock73,         kBlock102,          kBlock72,
    kBlock74Entry, kBlock76Entry, kBlock103,        kBlock85,           kBlock86,
    kBlock83,      kBlock58,      kBlock89,         kBlock91,           kBlock92,
    kBlock93,      kBlock30,      kBlock31,         kBlock32,           kBlock101};

// Record layouts are formatted with the value count N into a buffer of this many characters.
inline constexpr const char* kRecordFormat = "%d(i)";
inline constexpr const char* kEventRecordFormat = "l%d(i)";
inline constexpr std::size_t kRecordLayoutBuffer = 12;
}  // namespace layouts

// Block 100 has no layout; the short form of block 86 is this long in a file.
inline constexpr std::uint16_t kBlock100Size = 9;
inline constexpr std::uint16_t kShortBlock86Size = 236;

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

// The structures above must lie exactly where their layouts put the bytes.
static_assert(sizeof(Stamp) == layouts::kTestStartStamp.size);
static_assert(sizeof(ChannelCalibrationRecord) == 114);
static_assert(sizeof(TurbidityRangeRecord) == 109);
static_assert(sizeof(EventTestDefinition) == layouts::kEventTest.size + kExtraChannelCodes);
static_assert(sizeof(LinearTestDefinition) == layouts::kLinearTest.size + kExtraChannelCodes);
static_assert(sizeof(LogarithmicTestDefinition) ==
              layouts::kLogarithmicTest.size + kExtraChannelCodes);
static_assert(sizeof(LinearAverageTestDefinition) ==
              layouts::kLinearAverageTest.size + kExtraChannelCodes);
static_assert(offsetof(LinearTestDefinition, channelCount) == 33);
static_assert(offsetof(LogarithmicTestDefinition, channelCount) == 34);
static_assert(offsetof(EventTestDefinition, channelCount) == 39);
static_assert(offsetof(LinearAverageTestDefinition, channelCount) == 35);
static_assert(sizeof(Block35) == layouts::kBlock35.size);
static_assert(offsetof(Block35, density) == 42);
static_assert(sizeof(Block57) == layouts::kBlock57.size);
static_assert(offsetof(Block57, unitName) == 27);
static_assert(sizeof(Block30) == layouts::kBlock30.size);
static_assert(sizeof(Block31) == layouts::kBlock31.size);
static_assert(offsetof(Block31, temperature) == 80);
static_assert(sizeof(Block32) == layouts::kBlock32.size);
static_assert(sizeof(Block100) == kBlock100Size);
static_assert(sizeof(Block102) == layouts::kBlock102.size);
static_assert(sizeof(Block73) == layouts::kBlock73.size);
static_assert(offsetof(Block73, compensation) == 37);
static_assert(sizeof(Block72) == layouts::kBlock72.size);
static_assert(offsetof(Block72, table) == 32);
static_assert(sizeof(Block74) == 4 * layouts::kBlock74Entry.size);
static_assert(sizeof(SensorPortEntry) == layouts::kBlock76Entry.size);
static_assert(offsetof(SensorPortEntry, second) + 1 == 116);
static_assert(sizeof(Block85) == layouts::kBlock85.size);
static_assert(sizeof(Block86) == layouts::kBlock86.size);
static_assert(offsetof(Block86, low) == 127);
static_assert(offsetof(Block86, highTemperature) == kShortBlock86Size);
static_assert(sizeof(Block83) == layouts::kBlock83.size);
static_assert(sizeof(Block58) == layouts::kBlock58.size);
static_assert(offsetof(Block58, fixedBarometerSwitch) == 27);
static_assert(sizeof(Block89) == layouts::kBlock89.size);
static_assert(offsetof(Block89, word167) == 167);
static_assert(sizeof(Block91) == layouts::kBlock91.size);
static_assert(sizeof(Block92) == layouts::kBlock92.size);
static_assert(sizeof(Block93) == layouts::kBlock93.size);
static_assert(sizeof(Block101) == layouts::kBlock101.size);
static_assert(sizeof(Block103) == layouts::kBlock103.size);

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
