#include "export/export_template.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon {
namespace {

using pelcon::testing::NoticeRecorder;
using pelcon::testing::ReadBytes;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;
using Columns = std::vector<std::string>;

class ExportTemplateTest : public ::testing::Test {
 protected:
  // Loads the bytes as a template file and expects the load to succeed without a message.
  ExportTemplate Loaded(std::string_view bytes) {
    WriteBytes(path, bytes);
    ExportTemplate loaded;
    EXPECT_EQ(loaded.Load(path), kResultOk);
    EXPECT_TRUE(notices.shown.empty());
    return loaded;
  }

  NoticeRecorder notices;
  ScratchDirectory scratch;
  std::string path = scratch.File("level.bft");
};

TEST_F(ExportTemplateTest, FreshTemplateHasNoEmptyFieldTextUnlikeALoadedOne) {
  ExportTemplate fresh;
  EXPECT_EQ(fresh.EmptyFieldText(), "");
  EXPECT_EQ(fresh.Separator(), ",");
  EXPECT_EQ(fresh.Path(), "");
  EXPECT_TRUE(fresh.Columns().empty());
  EXPECT_EQ(fresh.Sections(), TemplateSections{});
}

TEST_F(ExportTemplateTest, ReadsColumnsAndKeywordsInAnyOrder) {
  ExportTemplate loaded = Loaded(
      ";\n"
      "n/a\n"
      "Header Test Def Enabled\n"
      "Time - Time Stamp\n"
      "\n"
      "Level/Depth (ft)\n"
      "Header Test Def Enabled\n"
      "Conductivity (\xB5S/cm)\n"
      "Header General Info Enabled");  // the last line may lack its line feed
  EXPECT_EQ(loaded.Separator(), ";");
  EXPECT_EQ(loaded.EmptyFieldText(), "n/a");
  EXPECT_EQ(loaded.Columns(),
            (Columns{"Time - Time Stamp", "Level/Depth (ft)", "Conductivity (\xB5S/cm)"}));
  EXPECT_EQ(loaded.Sections(), (TemplateSections{.generalInfo = true, .testDefinition = true}));
  EXPECT_EQ(loaded.Path(), path);
}

TEST_F(ExportTemplateTest, CarriageReturnsStayPartOfTheLine) {
  ExportTemplate loaded = Loaded(
      ",\r\n"
      "-----\r\n"
      "Temperature (C)\r\n"
      "Header Device Info Enabled\r\n");
  EXPECT_EQ(loaded.Separator(), ",\r");
  EXPECT_EQ(loaded.EmptyFieldText(), "-----\r");
  // With a CR the keyword no longer matches and becomes a column.
  EXPECT_EQ(loaded.Columns(), (Columns{"Temperature (C)\r", "Header Device Info Enabled\r"}));
  EXPECT_EQ(loaded.Sections(), TemplateSections{});
}

TEST_F(ExportTemplateTest, MissingLinesKeepTheLoadDefaults) {
  ExportTemplate onlySeparator = Loaded("\t\n");
  EXPECT_EQ(onlySeparator.Separator(), "\t");
  EXPECT_EQ(onlySeparator.EmptyFieldText(), "-----");
  EXPECT_TRUE(onlySeparator.Columns().empty());

  ExportTemplate emptyFile = Loaded("");
  EXPECT_EQ(emptyFile.Separator(), ",");
  EXPECT_EQ(emptyFile.EmptyFieldText(), "-----");
}

TEST_F(ExportTemplateTest, EmptyLinesMeanDefaultSeparatorAndEmptyFieldText) {
  ExportTemplate loaded = Loaded("\n\npH\n");
  EXPECT_EQ(loaded.Separator(), ",");
  EXPECT_EQ(loaded.EmptyFieldText(), "");
  EXPECT_EQ(loaded.Columns(), Columns{"pH"});
}

TEST_F(ExportTemplateTest, KeywordsInAnotherCaseAreColumns) {
  ExportTemplate loaded =
      Loaded(",\n-----\nheader general info enabled\nHeader Test Info Enabled\n");
  EXPECT_EQ(loaded.Columns(), Columns{"header general info enabled"});
  EXPECT_EQ(loaded.Sections(), TemplateSections{.testInfo = true});
}

TEST_F(ExportTemplateTest, SavesTheDocumentedLayout) {
  ExportTemplate saved;
  saved.SetSeparator(",");
  saved.SetEmptyFieldText("-----");
  saved.SetColumns({"Time - Time Stamp", "Level/Depth (ft)", "Temperature (C)"});
  saved.SetSections({.generalInfo = true, .testDefinition = true});
  ASSERT_EQ(saved.Save(path), kResultOk);
  EXPECT_EQ(saved.Path(), path);
  EXPECT_EQ(ReadBytes(path),
            ",\n-----\nTime - Time Stamp\nLevel/Depth (ft)\nTemperature (C)\n"
            "Header General Info Enabled\nHeader Test Def Enabled\n");
}

TEST_F(ExportTemplateTest, WhatIsWrittenReadsBackTheSame) {
  ExportTemplate saved;
  saved.SetSeparator(" | ");
  saved.SetEmptyFieldText("");
  saved.SetColumns({"pH", "Conductivity (\xB5S/cm)", "pH"});
  TemplateSections all{true, true, true, true};
  saved.SetSections(all);
  ASSERT_EQ(saved.Save(path), kResultOk);

  ExportTemplate loaded;
  ASSERT_EQ(loaded.Load(path), kResultOk);
  EXPECT_EQ(loaded.Separator(), " | ");
  EXPECT_EQ(loaded.EmptyFieldText(), "");
  EXPECT_EQ(loaded.Columns(), saved.Columns());
  EXPECT_EQ(loaded.Sections(), all);

  // An empty separator reads back as the default.
  saved.SetSeparator("");
  ASSERT_EQ(saved.Save(), kResultOk);
  ASSERT_EQ(loaded.Load(path), kResultOk);
  EXPECT_EQ(loaded.Separator(), ",");
  EXPECT_EQ(loaded.Columns(), saved.Columns());
}

TEST_F(ExportTemplateTest, MissingFileFailsSilentlyAndLeavesTheDefaults) {
  ExportTemplate loaded = Loaded(";\nx\npH\nHeader Test Info Enabled\n");
  EXPECT_EQ(loaded.Load(scratch.File("none.bft")), kResultTemplateMissing);
  EXPECT_TRUE(notices.shown.empty());
  EXPECT_EQ(loaded.Separator(), ",");
  EXPECT_EQ(loaded.EmptyFieldText(), "-----");
  EXPECT_TRUE(loaded.Columns().empty());
  EXPECT_EQ(loaded.Sections(), TemplateSections{});
}

TEST_F(ExportTemplateTest, UnreadableFileFailsWithAStopMessage) {
  // A folder exists but cannot be read as a template, whoever runs the test.
  ExportTemplate loaded;
  EXPECT_EQ(loaded.Load(scratch.Path().string()), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].icon, platform::NoticeIcon::kStop);
  EXPECT_EQ(notices.shown[0].caption, "Tarvel Pelcon");
  EXPECT_NE(notices.shown[0].text.find(scratch.Path().string()), std::string::npos);
  EXPECT_GT(notices.shown[0].text.size(), scratch.Path().string().size() + 2);
  EXPECT_EQ(loaded.Path(), "");
}

TEST_F(ExportTemplateTest, FileWithoutReadPermissionFailsWithAStopMessage) {
  WriteBytes(path, ",\n-----\npH\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (!ReadBytes(path).empty()) GTEST_SKIP() << "permissions do not bind this user";
  ExportTemplate loaded;
  EXPECT_EQ(loaded.Load(path), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].icon, platform::NoticeIcon::kStop);
}

TEST_F(ExportTemplateTest, FailedSaveKeepsTheOldFileAndPath) {
  ExportTemplate loaded = Loaded(",\n-----\npH\n");
  EXPECT_EQ(loaded.Save(scratch.File("none/level.bft")), kResultOpenFailed);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0].icon, platform::NoticeIcon::kStop);
  EXPECT_EQ(loaded.Path(), path);
  EXPECT_EQ(ReadBytes(path), ",\n-----\npH\n");
}

TEST_F(ExportTemplateTest, SavingOverASymbolicLinkIsRefusedByName) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: creating a link needs privileges on Windows";
#endif
  const std::string victim = scratch.File("victim.txt");
  const std::string link = scratch.File("shared.bft");
  WriteBytes(victim, "precious\n");
  std::filesystem::create_symlink(victim, link);
  ExportTemplate loaded = Loaded(",\n-----\npH\n");
  EXPECT_EQ(loaded.Save(link), kResultOpenFailed);
  EXPECT_EQ(ReadBytes(victim), "precious\n");
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_TRUE(notices.shown[0].text.starts_with(link + ": ")) << notices.shown[0].text;
  EXPECT_NE(notices.shown[0].text.find("symbolic link"), std::string::npos);
}

TEST_F(ExportTemplateTest, ResetEmptiesTextButKeepsSections) {
  ExportTemplate loaded = Loaded(";\nx\npH\nHeader Device Info Enabled\n");
  loaded.Reset();
  EXPECT_EQ(loaded.Path(), "");
  EXPECT_EQ(loaded.EmptyFieldText(), "");
  EXPECT_EQ(loaded.Separator(), ",");
  EXPECT_TRUE(loaded.Columns().empty());
  EXPECT_EQ(loaded.Sections(), TemplateSections{.deviceInfo = true});
}

}  // namespace
}  // namespace pelcon
