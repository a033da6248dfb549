#pragma once

// The parts of the log file format every family shares: layout strings, stamps and durations,
// the test definitions, the site and device blocks, as packed structures with their layouts. The
// blocks of one family are in its folder under logfile/families/; log_blocks.hpp puts them
// together.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelcon {

// A layout string (see layout_decoder.hpp) and the number of bytes it covers.
struct RecordLayout {
  std::string_view text;
  std::uint16_t size;
};

// Block type codes: the first byte of a header block.
enum BlockType : std::uint8_t {
  kLinearTestBlock = 1,
  kLogarithmicTestBlock = 2,
  kEventTestBlock = 3,
  kLinearAverageTestBlock = 4,
  kSiteBlock = 35,
  kDeviceBlock = 57,
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

#pragma pack(pop)

namespace layouts {
inline constexpr RecordLayout kEventTest{"cc17(c)ci6(c)fcc5(c)c2(c)", 42};
inline constexpr RecordLayout kLinearTest{"cc17(c)ci6(c)5(c)c2(c)", 36};
inline constexpr RecordLayout kLogarithmicTest{"cc17(c)ci6(c)5(c)cc2(c)", 37};
inline constexpr RecordLayout kLinearAverageTest{"cc17(c)ci6(c)cc5(c)c2(c)", 38};
inline constexpr RecordLayout kTestStartStamp{"i6(c)", 8};
inline constexpr RecordLayout kBlock35{"cc17(c)cicfffcccff", 46};
inline constexpr RecordLayout kBlock57{"cciii6(c)iccci6(c)17(c)i6(c)lllff", 72};

// Record layouts are formatted with the value count N into a buffer of this many characters.
inline constexpr const char* kRecordFormat = "%d(i)";
inline constexpr const char* kEventRecordFormat = "l%d(i)";
inline constexpr std::size_t kRecordLayoutBuffer = 12;
}  // namespace layouts

static_assert(sizeof(Stamp) == layouts::kTestStartStamp.size);
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

}  // namespace pelcon
