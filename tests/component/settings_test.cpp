#include "export/settings.hpp"

#include <gtest/gtest.h>

#include "platform/path_separator.hpp"
#include "platform/registry.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scoped_registry_override.hpp"
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
#ifdef _WIN32
  testing::ScopedRegistryOverride emptyRegistry;
#endif
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
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: an unwritable registry file";
#endif
  WriteBytes(scratch.File("plain"), "x");
  ScopedEnvironment unwritable("PELCON_REGISTRY", scratch.File("plain") + "/registry.reg");
  EXPECT_FALSE(WriteDefaultTemplatePath("/t/level.bft"));
  EXPECT_FALSE(WriteDataPath("/data"));
  EXPECT_EQ(ReadDefaultTemplatePath(), "");
}

TEST_F(SettingsTest, FoldersFollowTheInstallationRoot) {
  const std::string root = "/apps/tool";
  constexpr char kSeparator = platform::kPathSeparator;
  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", root + kSeparator));
  EXPECT_EQ(TemplatesFolder(), root + kSeparator + "Templates");
  EXPECT_EQ(DataFolder(), root + kSeparator + "Data");

  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", root));
  EXPECT_EQ(TemplatesFolder(), root + kSeparator + "Templates");
  EXPECT_EQ(DataFolder(), root + kSeparator + "Data");

  // Present but empty still yields a folder: the separator and the name.
  ASSERT_TRUE(platform::WriteRegistryString(kRootKey, "DMRoot", ""));
  EXPECT_EQ(TemplatesFolder(), kSeparator + std::string("Templates"));
}

TEST(VersionText, IsTheLibraryFileVersion) {
  EXPECT_EQ(VersionText(), "1.3.0.2");
}

}  // namespace
}  // namespace pelcon
