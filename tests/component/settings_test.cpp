#include "component/settings.hpp"

#include <gtest/gtest.h>

#include "platform/registry.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon {
namespace {

using pelcon::testing::ScopedEnvironment;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

constexpr std::string_view kRootKey = "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo";

class SettingsTest : public ::testing::Test {
 protected:
  ScratchDirectory scratch;
  ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
};

TEST_F(SettingsTest, UnsetValuesReadEmpty) {
  EXPECT_EQ(ReadDefaultTemplatePath(), "");
  EXPECT_EQ(ReadDataPath(), "");
  EXPECT_EQ(TemplatesFolder(), "");
  EXPECT_EQ(DataFolder(), "");
}

TEST_F(SettingsTest, PathsAreStoredUnderTheirOwnNames) {
  ASSERT_TRUE(WriteDefaultTemplatePath("/t/level.bft"));
  ASSERT_TRUE(WriteDataPath("/data/wells"));
  EXPECT_EQ(ReadDefaultTemplatePath(), "/t/level.bft");
  EXPECT_EQ(ReadDataPath(), "/data/wells");
  // Other programs and older installations look for exactly these names.
  const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon";
  EXPECT_EQ(platform::ReadRegistryString(key, "Template PathFile"), "/t/level.bft");
  EXPECT_EQ(platform::ReadRegistryString(key, "Data Path"), "/data/wells");
}

TEST_F(SettingsTest, LongPathsSurviveTheRoundTrip) {
  const std::string path = "/" + std::string(600, 'd') + "/t.bft";
  ASSERT_TRUE(WriteDefaultTemplatePath(path));
  EXPECT_EQ(ReadDefaultTemplatePath(), path);
}

TEST_F(SettingsTest, WritesReportFalseWhenNothingCanBeStored) {
  WriteBytes(scratch.File("plain"), "x");
  ScopedEnvironment unwritable("PELCON_REGISTRY", scratch.File("plain") + "/registry.reg");
  EXPECT_FALSE(WriteDefaultTemplatePath("/t/level.bft"));
  EXPECT_FALSE(WriteDataPath("/data"));
  EXPECT_EQ(ReadDefaultTemplatePath(), "");
}

TEST_F(SettingsTest, FoldersFollowTheInstallationRoot) {
  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", "/apps/tool/"));
  EXPECT_EQ(TemplatesFolder(), "/apps/tool/Templates");
  EXPECT_EQ(DataFolder(), "/apps/tool/Data");

  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", "/apps/tool"));
  EXPECT_EQ(TemplatesFolder(), "/apps/tool/Templates");
  EXPECT_EQ(DataFolder(), "/apps/tool/Data");

  // Present but empty still yields a folder: the separator and the name.
  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", ""));
  EXPECT_EQ(TemplatesFolder(), "/Templates");
}

TEST(VersionText, IsTheLibraryFileVersion) {
  EXPECT_EQ(VersionText(), "1.3.0.2");
}

}  // namespace
}  // namespace pelcon
