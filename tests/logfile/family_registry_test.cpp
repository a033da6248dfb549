#include <gtest/gtest.h>

#include <set>
#include <string>

#include "logfile/families/lodax/lodax_family.hpp"
#include "logfile/families/vorta/vorta_family.hpp"
#include "logfile/log_loader.hpp"
#include "tests/support/echo_formulas.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

TEST(FamilyRegistry, ListsEachFamilyOnceWithItsOwnBlocksAndCodes) {
  std::set<std::string> names, flags;
  std::set<int> firstBlocks, trailers;
  for (const LogFamily* family : LogFamilies()) {
    EXPECT_TRUE(names.emplace(family->Name()).second) << family->Name();
    EXPECT_TRUE(flags.emplace(family->FlagValueName()).second) << family->Name();
    EXPECT_TRUE(firstBlocks.insert(family->FirstBlock()).second) << family->Name();
    EXPECT_TRUE(trailers.insert(family->Trailer().type).second) << family->Name();
    EXPECT_EQ(FamilyStartingWith(family->FirstBlock()), family);
    EXPECT_EQ(FamilyEndingWith(family->Trailer().type), family);
  }
}

TEST(FamilyRegistry, EveryDeviceCodeHasAtMostOneFamily) {
  for (int code = 0; code < 256; ++code) {
    int owners = 0;
    for (const LogFamily* family : LogFamilies()) owners += family->OwnsDeviceCode(code) ? 1 : 0;
    EXPECT_LE(owners, 1) << code;
    EXPECT_EQ(FamilyOfDeviceCode(code).OwnsDeviceCode(code), owners == 1) << code;
  }
}

// A file is taken for the family of its device code, never for the other one.
TEST(FamilyRegistry, EachSampleFileIsTakenForItsOwnFamily) {
  test_support::EchoFormulas formulas;
  LogFile log(formulas);
  ASSERT_TRUE(LogLoader::Load(test_support::Build(test_support::LodaxDescription()), log));
  EXPECT_EQ(&log.Family(), &LodaxFamily());
  ASSERT_TRUE(LogLoader::Load(test_support::Build(test_support::VortaDescription()), log));
  EXPECT_EQ(&log.Family(), &VortaFamily());
  test_support::LogFileDescription barometric = test_support::LodaxDescription();
  barometric.deviceCode = 28;
  ASSERT_TRUE(LogLoader::Load(test_support::Build(barometric), log));
  EXPECT_EQ(&log.Family(), &LodaxFamily());
}

// The device type table: each code's model is named by the family that owns it; codes no family
// owns, 29 between the two included, are "Unknown".
TEST(FamilyRegistry, DeviceTypesAtTheEdgesOfEachFamily) {
  const auto type = [](int code) { return FamilyOfDeviceCode(code).ModelName(code); };
  EXPECT_EQ(type(19), "Unknown");
  EXPECT_EQ(type(20), "Lodax Model 1");
  EXPECT_EQ(type(27), "Lodax Model 8");
  EXPECT_EQ(type(28), "Pellum");
  EXPECT_EQ(type(29), "Unknown");
  EXPECT_EQ(type(30), "Vorta Model 1");
  EXPECT_EQ(type(39), "Vorta Model 10");
  EXPECT_EQ(type(40), "Vorta Model 11");
  EXPECT_EQ(type(41), "Unknown");
  EXPECT_EQ(type(-1), "Unknown");
  EXPECT_EQ(type(0), "Unknown");
}

TEST(FamilyRegistry, CodesOfNoFamilyHaveNoDatesAndNoBlocks) {
  LogBlocks blocks{};
  blocks.block102.definedOn.year = 2007;
  blocks.block103.stoppedOn.year = 2008;
  EXPECT_EQ(FamilyOfDeviceCode(29).TestDefinedOn(blocks).year, 0);
  EXPECT_EQ(FamilyOfDeviceCode(29).TestStoppedOn(blocks).year, 0);
  EXPECT_TRUE(FamilyOfDeviceCode(29).RequiredBlocks().empty());
  EXPECT_EQ(FamilyStartingWith(57), nullptr);
  EXPECT_EQ(FamilyEndingWith(102), nullptr);
}

}  // namespace
}  // namespace pelcon
