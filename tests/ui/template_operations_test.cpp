#include "component/template_operations.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/files.hpp"
#include "platform/path_separator.hpp"
#include "platform/registry.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/fake_template_dialogs.hpp"
#include "tests/ui/scoped_registry.hpp"

namespace pelcon {
namespace {

using testing::FakeTemplateDialogs;
using testing::NoticeRecorder;
using testing::ReadBytes;
using testing::WriteBytes;
using Names = std::vector<std::string>;

// The installation root set below with the folder below it, joined by the platform's separator.
const std::string kTemplatesFolder =
    std::string("/opt/dm") + platform::kPathSeparator + "Templates";

constexpr std::string_view kStoredTemplate =
    ";\n"
    "n/a\n"
    "Time - Time Stamp\n"
    "Header Device Info Enabled\n";

class TemplateOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::WriteRegistryString(
        "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo", "DMRoot", "/opt/dm"));
  }

  // A template loaded from a file on disk.
  ExportTemplate Stored() {
    WriteBytes(path_, kStoredTemplate);
    ExportTemplate stored;
    EXPECT_EQ(stored.Load(path_), kResultOk);
    return stored;
  }

  testing::ScratchDirectory scratch_;
  testing::ScopedRegistry registry_{scratch_};
  std::string path_ = scratch_.File("stored.bft");
  NoticeRecorder notices_;
  FakeTemplateDialogs dialogs_;
};

void ChangeEverything(TemplateContent& content) {
  content.separator = "\t";
  content.emptyFieldText = "";
  content.columns = {"pH", "pH"};
  content.sections = {true, false, false, true};
}

TEST_F(TemplateOperations, EditHandsTheEditorACopyOfTheContent) {
  ExportTemplate stored = Stored();
  dialogs_.editorAnswer = kResultCancelled;
  Edit(stored, TemplateEditMode::kEdit);
  EXPECT_EQ(dialogs_.shownContent,
            (TemplateContent{";", "n/a", {"Time - Time Stamp"}, {false, true, false, false}}));
  EXPECT_EQ(dialogs_.modes, std::vector{TemplateEditMode::kEdit});
}

TEST_F(TemplateOperations, EditShowsAnUnsetSeparatorAsComma) {
  ExportTemplate fresh;
  fresh.SetSeparator("");
  dialogs_.editorAnswer = kResultCancelled;
  Edit(fresh, TemplateEditMode::kCreate);
  EXPECT_EQ(dialogs_.shownContent.separator, ",");
}

TEST_F(TemplateOperations, EditTakesOverTheValuesOnOkAndWritesThemBack) {
  ExportTemplate stored = Stored();
  dialogs_.edit = ChangeEverything;
  EXPECT_EQ(Edit(stored, TemplateEditMode::kEdit), kResultOk);
  EXPECT_EQ(stored.Separator(), "\t");
  EXPECT_EQ(stored.EmptyFieldText(), "");
  EXPECT_EQ(stored.Columns(), (Names{"pH", "pH"}));
  EXPECT_EQ(stored.Sections(), (TemplateSections{true, false, false, true}));
  // Separator, empty-field text, columns, then the enabled sections in their fixed order.
  EXPECT_EQ(ReadBytes(path_),
            "\t\n\npH\npH\nHeader General Info Enabled\nHeader Test Def Enabled\n");
}

TEST_F(TemplateOperations, CancelAfterChangesLeavesTemplateAndFileAsTheyWere) {
  ExportTemplate stored = Stored();
  dialogs_.edit = ChangeEverything;
  dialogs_.editorAnswer = kResultCancelled;
  EXPECT_EQ(Edit(stored, TemplateEditMode::kEdit), kResultCancelled);
  EXPECT_EQ(stored.Separator(), ";");
  EXPECT_EQ(stored.EmptyFieldText(), "n/a");
  EXPECT_EQ(stored.Columns(), (Names{"Time - Time Stamp"}));
  EXPECT_EQ(stored.Sections(), (TemplateSections{false, true, false, false}));
  EXPECT_EQ(ReadBytes(path_), kStoredTemplate);
}

TEST_F(TemplateOperations, EditInCreateModeDoesNotWriteTheFile) {
  ExportTemplate stored = Stored();
  dialogs_.edit = ChangeEverything;
  EXPECT_EQ(Edit(stored, TemplateEditMode::kCreate), kResultOk);
  EXPECT_EQ(stored.Columns(), (Names{"pH", "pH"}));
  EXPECT_EQ(ReadBytes(path_), kStoredTemplate);
}

TEST_F(TemplateOperations, AnEmptySeparatorFromTheEditorReadsAsComma) {
  ExportTemplate fresh;
  dialogs_.edit = [](TemplateContent& content) { content.separator.clear(); };
  EXPECT_EQ(Edit(fresh, TemplateEditMode::kCreate), kResultOk);
  EXPECT_EQ(fresh.Separator(), ",");
}

TEST_F(TemplateOperations, CreateNewSavesWhereTheUserChose) {
  ExportTemplate created;
  dialogs_.edit = ChangeEverything;
  const std::string chosen = scratch_.File("new.bft");
  dialogs_.savePath = chosen;
  EXPECT_EQ(CreateNew(created), kResultOk);
  EXPECT_EQ(dialogs_.modes, std::vector{TemplateEditMode::kCreate});
  EXPECT_EQ(dialogs_.requests, (std::vector{FileDialogRequest{"Save New Template File", "bft",
                                                              "Template Files (*.bft)", "*.bft",
                                                              kTemplatesFolder, ""}}));
  EXPECT_EQ(created.Path(), chosen);
  EXPECT_EQ(ReadBytes(chosen),
            "\t\n\npH\npH\nHeader General Info Enabled\nHeader Test Def Enabled\n");
}

TEST_F(TemplateOperations, CreateNewCancelledInTheEditorAsksForNoPath) {
  ExportTemplate created;
  dialogs_.editorAnswer = kResultCancelled;
  dialogs_.savePath = scratch_.File("new.bft");
  EXPECT_EQ(CreateNew(created), kResultCancelled);
  EXPECT_TRUE(dialogs_.requests.empty());
  EXPECT_FALSE(platform::FileExists(scratch_.File("new.bft")));
}

TEST_F(TemplateOperations, CreateNewCancelledInTheSaveDialogWritesNothing) {
  ExportTemplate created;
  EXPECT_EQ(CreateNew(created), kResultCancelled);
  EXPECT_EQ(created.Path(), "");
  for (const auto& entry : std::filesystem::directory_iterator(scratch_.Path())) {
    EXPECT_NE(entry.path().extension(), ".bft") << entry.path();
  }
}

TEST_F(TemplateOperations, CreateNewReturnsAFailedSave) {
  ExportTemplate created;
  dialogs_.savePath = scratch_.File("no-such-folder/new.bft");
  EXPECT_EQ(CreateNew(created), kResultOpenFailed);
  ASSERT_EQ(notices_.shown.size(), 1u);
  EXPECT_EQ(notices_.shown[0].icon, platform::NoticeIcon::kStop);
}

TEST_F(TemplateOperations, BrowseStartsAtTheCurrentTemplate) {
  std::string path = "/srv/templates/level.bft";
  dialogs_.openPath = "/srv/other/Quality.BFT";
  EXPECT_EQ(BrowseTemplateFile(path), kResultOk);
  EXPECT_EQ(path, "/srv/other/Quality.BFT");
  EXPECT_EQ(
      dialogs_.requests,
      (std::vector{FileDialogRequest{"Open Template File", "bft", "Template Files (*.bft)", "*.bft",
                                     "/srv/templates/", "/srv/templates/level.bft"}}));
}

TEST_F(TemplateOperations, BrowseWithoutATemplateStartsInTheTemplatesFolder) {
  std::string path;
  EXPECT_EQ(BrowseTemplateFile(path), kResultCancelled);
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_EQ(dialogs_.requests[0].initialDirectory, kTemplatesFolder);
  EXPECT_EQ(path, "");
}

TEST_F(TemplateOperations, BrowseRejectsAFileThatIsNotATemplate) {
  std::string path = "/srv/templates/level.bft";
  dialogs_.openPath = "/srv/data/well.bin";
  EXPECT_EQ(BrowseTemplateFile(path), kResultFail);
  EXPECT_EQ(path, "/srv/templates/level.bft");
  ASSERT_EQ(notices_.shown.size(), 1u);
  EXPECT_EQ(notices_.shown[0].text, "Invalid template file selected");
  EXPECT_EQ(notices_.shown[0].caption, "Tarvel Pelcon");
  EXPECT_EQ(notices_.shown[0].icon, platform::NoticeIcon::kNone);
}

TEST(TemplateOperationsWithoutDialogs, FailWithAMessageInsteadOfPretendingToCancel) {
  NoticeRecorder notices;
  ExportTemplate fresh;
  std::string path;
  EXPECT_EQ(Edit(fresh, TemplateEditMode::kEdit), kResultFail);
  EXPECT_EQ(CreateNew(fresh), kResultFail);
  EXPECT_EQ(BrowseTemplateFile(path), kResultFail);
  EXPECT_EQ(notices.shown.size(), 3u);
}

}  // namespace
}  // namespace pelcon
