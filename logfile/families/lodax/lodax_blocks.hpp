#pragma once

// The blocks only level logger files carry: their type codes, their packed structures and the
// layouts that convert them from file byte order.

#include <cstddef>
#include <cstdint>

#include "logfile/block_format.hpp"

namespace pelcon {

inline constexpr int kLodaxBlock30 = 30;
inline constexpr int kLodaxCalibrationBlock = 31;
inline constexpr int kLodaxBlock32 = 32;
inline constexpr int kLodaxFirstBlock = 100;
inline constexpr int kLodaxTrailerBlock = 101;

#pragma pack(push, 1)

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

struct Block101 {
  std::uint16_t marker;
  std::uint16_t word2;
  Stamp stoppedOn;  // offset 4
  std::uint32_t long12;
  std::uint8_t type;  // offset 16, last byte of the file
};

#pragma pack(pop)

namespace layouts {
inline constexpr RecordLayout kBlock30{"ccicc16(c)", 22};
inline constexpr RecordLayout kBlock31{"ci6(c)iic16(f)i4(f)", 96};
inline constexpr RecordLayout kBlock32{"cc17(c)", 19};
inline constexpr RecordLayout kBlock101{"iii6(c)lc", 17};
}  // namespace layouts

// Block 100 has no layout.
inline constexpr std::uint16_t kBlock100Size = 9;

static_assert(sizeof(Block30) == layouts::kBlock30.size);
static_assert(sizeof(Block31) == layouts::kBlock31.size);
static_assert(offsetof(Block31, temperature) == 80);
static_assert(sizeof(Block32) == layouts::kBlock32.size);
static_assert(sizeof(Block100) == kBlock100Size);
static_assert(sizeof(Block101) == layouts::kBlock101.size);

}  // namespace pelcon
