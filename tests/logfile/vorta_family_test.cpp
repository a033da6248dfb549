#include "logfile/families/vorta/vorta_family.hpp"

#include <gtest/gtest.h>

namespace pelcon {
namespace {

const LogFamily& vorta = VortaFamily();

TEST(VortaFamily, HeaderDatesComeFromBlocks102And103AsConverted) {
  LogBlocks blocks{};
  blocks.block100.definedOn.year = 2001;
  blocks.block102.definedOn = {2007, 5, 6, 7, 8, 9, 0};
  blocks.block101.stoppedOn.year = 2010;
  blocks.block103.stoppedOn.year = 2011;
  EXPECT_EQ(vorta.TestDefinedOn(blocks).year, 2007);
  EXPECT_EQ(vorta.TestDefinedOn(blocks).second, 9);
  EXPECT_EQ(vorta.TestStoppedOn(blocks).year, 2011);
}

}  // namespace
}  // namespace pelcon
