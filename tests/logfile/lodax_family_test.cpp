#include "logfile/families/lodax/lodax_family.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace pelcon {
namespace {

const LogFamily& lodax = LodaxFamily();

// Block 100 keeps the file's byte order: 0x07 0xD7 is 2007; a year that reads 2005 or lower
// little-endian is taken as it reads.
TEST(LodaxFamily, TestDefinedYearIsSwappedOnlyWhenItReadsAbove2005) {
  LogBlocks blocks{};
  blocks.block100.definedOn = {0, 3, 14, 9, 0, 0, 0};
  const std::uint8_t stored[2] = {0x07, 0xD7};
  std::memcpy(&blocks.block100.definedOn.year, stored, sizeof stored);
  const Stamp swapped = lodax.TestDefinedOn(blocks);
  EXPECT_EQ(swapped.year, 2007);
  EXPECT_EQ(swapped.day, 14);

  const std::uint8_t low[2] = {0xD5, 0x07};  // 0x07D5 = 2005 read little-endian
  std::memcpy(&blocks.block100.definedOn.year, low, sizeof low);
  EXPECT_EQ(lodax.TestDefinedOn(blocks).year, 2005);
  // The block itself stays as stored, so that a second reading agrees with the first.
  EXPECT_EQ(std::memcmp(&blocks.block100.definedOn.year, low, sizeof low), 0);
}

TEST(LodaxFamily, TestStoppedOnIsTheLodaxTrailers) {
  LogBlocks blocks{};
  blocks.block101.stoppedOn.year = 2010;
  blocks.block103.stoppedOn.year = 2011;
  EXPECT_EQ(lodax.TestStoppedOn(blocks).year, 2010);
}

}  // namespace
}  // namespace pelcon
