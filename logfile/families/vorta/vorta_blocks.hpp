#pragma once

// The blocks only multiparameter instrument files carry: their type codes, their packed
// structures and the layouts that convert them from file byte order.

#include <cstddef>
#include <cstdint>

#include "logfile/block_format.hpp"

namespace pelcon {

inline constexpr int kBlock58 = 58;
inline constexpr int kFactoryCalibrationBlock = 72;
inline constexpr int kPressureCalibrationBlock = 73;
inline constexpr int kBlock74 = 74;
inline constexpr int kSensorPortBlock = 76;
inline constexpr int kUserTurbidityBlock = 83;
inline constexpr int kBlock85 = 85;
inline constexpr int kTurbidityBlock = 86;
inline constexpr int kBlock89 = 89;
inline constexpr int kBlock91 = 91;
inline constexpr int kBlock92 = 92;
inline constexpr int kBlock93 = 93;
inline constexpr int kVortaFirstBlock = 102;
inline constexpr int kVortaTrailerBlock = 103;

#pragma pack(push, 1)

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

namespace layouts {
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
}  // namespace layouts

// The short form of block 86 is this long in a file.
inline constexpr std::uint16_t kShortBlock86Size = 236;

static_assert(sizeof(ChannelCalibrationRecord) == 114);
static_assert(sizeof(TurbidityRangeRecord) == 109);
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
static_assert(sizeof(Block103) == layouts::kBlock103.size);

}  // namespace pelcon
