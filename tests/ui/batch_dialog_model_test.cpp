#include "ui/batch_dialog_model.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "export/settings.hpp"
#include "platform/files.hpp"
#include "platform/registry.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/fake_template_dialogs.hpp"
#include "tests/ui/scoped_registry.hpp"

namespace pelcon::ui {
namespace {

using testing::NoticeRecorder;
using Paths = std::vector<std::string>;

constexpr std::string_view kDunmarkKey =
    "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo";

class BatchDialogModelTest : public ::testing::Test {
 protected:
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const FileEntry& file : model_.Files()) names.push_back(file.fileName);
    return names;
  }

  testing::ScratchDirectory scratch_;
  testing::ScopedRegistry registry_{scratch_};
  NoticeRecorder notices_;
  testing::FakeTemplateDialogs dialogs_;
  BatchDialogModel model_;
};

TEST_F(BatchDialogModelTest, OpensWithTheStoredSettings) {
  WriteDefaultTemplatePath("/srv/t/Level.bft");
  WriteDataPath("/srv/data/");
  model_.LoadSettings();
  EXPECT_EQ(model_.TemplatePath(), "/srv/t/Level.bft");
  EXPECT_EQ(model_.TemplateDisplay(), "Level.bft");
  EXPECT_EQ(model_.DataPath(), "/srv/data/");
}

TEST_F(BatchDialogModelTest, WithoutADataPathStartsInTheDataFolder) {
  platform::WriteRegistryString(kDunmarkKey, "DMRoot", "/opt/dm/");
  model_.LoadSettings();
  EXPECT_EQ(model_.DataPath(), "/opt/dm/Data");
  EXPECT_EQ(model_.TemplatePath(), "");
  EXPECT_EQ(model_.TemplateDisplay(), "");
  EXPECT_EQ(model_.AddFilesRequest().initialDirectory, "/opt/dm/Data");
}

TEST_F(BatchDialogModelTest, StoresTheTemplateEvenIfItWasNeverUsed) {
  WriteDefaultTemplatePath("/srv/t/Level.bft");
  model_.LoadSettings();
  dialogs_.openPath = "/srv/t/Quality.bft";
  model_.OpenTemplate();
  model_.AddFiles(Paths{"/srv/field/a.bin"});
  model_.StoreSettings();
  EXPECT_EQ(ReadDefaultTemplatePath(), "/srv/t/Quality.bft");
  EXPECT_EQ(ReadDataPath(), "/srv/field/");
}

TEST_F(BatchDialogModelTest, AddAcceptsBinFilesInAnyCaseAndSkipsTheRestSilently) {
  EXPECT_EQ(model_.AddFiles(Paths{"/d1/a.bin", "/d2/notes.txt", "/d3/B.BIN", "/d4/noextension"}),
            2);
  EXPECT_EQ(FileNames(), (Paths{"a.bin", "B.BIN"}));
  EXPECT_EQ(model_.Files()[1], (FileEntry{"/d3/B.BIN", "B.BIN", "/d3/"}));
  // The data path follows the last file added, not the last file chosen.
  EXPECT_EQ(model_.DataPath(), "/d3/");
  EXPECT_TRUE(notices_.shown.empty());
}

TEST_F(BatchDialogModelTest, AddKeepsDuplicates) {
  model_.AddFiles(Paths{"/d/a.bin"});
  model_.AddFiles(Paths{"/d/a.bin"});
  EXPECT_EQ(FileNames(), (Paths{"a.bin", "a.bin"}));
}

TEST_F(BatchDialogModelTest, AddRequestDescribesTheLogFileDialog) {
  WriteDataPath("/srv/data/");
  model_.LoadSettings();
  EXPECT_EQ(model_.AddFilesRequest(),
            (FileDialogRequest{"Add Binary Files To Convert", "bin", "Bin Files (*.bin)", "*.bin",
                               "/srv/data/", ""}));
}

TEST_F(BatchDialogModelTest, RemoveDeletesTheSelectedFiles) {
  model_.AddFiles(Paths{"/d/1.bin", "/d/2.bin", "/d/3.bin", "/d/4.bin"});
  model_.RemoveFiles(std::vector{3, 1});
  EXPECT_EQ(FileNames(), (Paths{"1.bin", "3.bin"}));
  model_.RemoveFiles(std::vector<int>{});
  EXPECT_EQ(FileNames(), (Paths{"1.bin", "3.bin"}));
  EXPECT_TRUE(notices_.shown.empty());
}

TEST_F(BatchDialogModelTest, RemoveOnAnEmptyListSaysSo) {
  model_.RemoveFiles(std::vector{0});
  ASSERT_EQ(notices_.shown.size(), 1u);
  EXPECT_EQ(notices_.shown[0].text, "No files selected");
  EXPECT_EQ(notices_.shown[0].icon, platform::NoticeIcon::kNone);
}

TEST_F(BatchDialogModelTest, ConvertNeedsFilesFirstThenATemplate) {
  EXPECT_FALSE(model_.ReadyToConvert());
  model_.AddFiles(Paths{"/d/a.bin"});
  EXPECT_FALSE(model_.ReadyToConvert());
  ASSERT_EQ(notices_.shown.size(), 2u);
  EXPECT_EQ(notices_.shown[0].text, "No files selected");
  EXPECT_EQ(notices_.shown[1].text, "No template file selected");
  EXPECT_EQ(notices_.shown[0].icon, platform::NoticeIcon::kExclamation);
  EXPECT_EQ(notices_.shown[1].icon, platform::NoticeIcon::kExclamation);
  dialogs_.openPath = "/srv/t/Level.bft";
  model_.OpenTemplate();
  EXPECT_TRUE(model_.ReadyToConvert());
  EXPECT_EQ(notices_.shown.size(), 2u);
}

TEST_F(BatchDialogModelTest, OpenKeepsTheTemplateWhenTheChoiceIsInvalid) {
  dialogs_.openPath = "/srv/t/Level.bft";
  model_.OpenTemplate();
  dialogs_.openPath = "/srv/t/Level.txt";
  model_.OpenTemplate();
  EXPECT_EQ(model_.TemplatePath(), "/srv/t/Level.bft");
}

TEST_F(BatchDialogModelTest, NewTakesOverTheCreatedTemplate) {
  dialogs_.savePath = scratch_.File("created.bft");
  model_.NewTemplate();
  EXPECT_EQ(model_.TemplatePath(), scratch_.File("created.bft"));
  EXPECT_EQ(model_.TemplateDisplay(), "created.bft");
  EXPECT_TRUE(platform::FileExists(scratch_.File("created.bft")));
}

TEST_F(BatchDialogModelTest, NewCancelledKeepsTheTemplate) {
  dialogs_.openPath = "/srv/t/Level.bft";
  model_.OpenTemplate();
  model_.NewTemplate();  // the save dialog answers cancel
  EXPECT_EQ(model_.TemplatePath(), "/srv/t/Level.bft");
}

TEST_F(BatchDialogModelTest, EditWithoutATemplateSaysSo) {
  model_.EditTemplate();
  ASSERT_EQ(notices_.shown.size(), 1u);
  EXPECT_EQ(notices_.shown[0].text, "Invalid Template File");
  EXPECT_TRUE(dialogs_.modes.empty());
}

TEST_F(BatchDialogModelTest, EditOfAMissingTemplateSaysItCannotLoadIt) {
  dialogs_.openPath = scratch_.File("gone.bft");
  model_.OpenTemplate();
  model_.EditTemplate();
  ASSERT_EQ(notices_.shown.size(), 1u);
  EXPECT_EQ(notices_.shown[0].text, "Unable to load file");
  EXPECT_TRUE(dialogs_.modes.empty());
}

TEST_F(BatchDialogModelTest, EditWritesTheTemplateBackOnOk) {
  const std::string path = scratch_.File("level.bft");
  testing::WriteBytes(path, ",\n-----\nTemperature (C)\n");
  dialogs_.openPath = path;
  model_.OpenTemplate();
  dialogs_.edit = [](TemplateContent& content) { content.columns.push_back("pH"); };
  model_.EditTemplate();
  EXPECT_EQ(dialogs_.modes, std::vector{TemplateEditMode::kEdit});
  EXPECT_EQ(testing::ReadBytes(path), ",\n-----\nTemperature (C)\npH\n");
}

}  // namespace
}  // namespace pelcon::ui
