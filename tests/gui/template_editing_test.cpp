#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTest>

#include "component/template_operations.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/scoped_registry.hpp"
#include "ui/qt/column_selection_dialog.hpp"
#include "ui/qt/qt_template_dialogs.hpp"

namespace pelcon::ui {
namespace {

using testing::Child;
using testing::ReadBytes;
using testing::WhenModal;

constexpr std::string_view kStored = ",\n-----\nTemperature (C)\nHeader Test Info Enabled\n";

class TemplateEditing : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteBytes(path_, kStored); }

  // In the editor: add "pH", tick General Information, then press the named button.
  static void AddPhAndPress(ColumnSelectionDialog& editor, const char* button) {
    auto& available = Child<QListWidget>(editor, "availableList");
    available.findItems("pH", Qt::MatchExactly).front()->setSelected(true);
    QTest::mouseClick(&Child<QPushButton>(editor, "addButton"), Qt::LeftButton);
    Child<QCheckBox>(editor, "generalCheck").setChecked(true);
    QTest::mouseClick(&Child<QPushButton>(editor, button), Qt::LeftButton);
  }

  testing::ScratchDirectory scratch_;
  testing::ScopedRegistry registry_{scratch_};
  testing::NoticeLog notices_;
  QtTemplateDialogs dialogs_;
  ScopedTemplateDialogs installation_{dialogs_};
  std::string path_ = scratch_.File("level.bft");
};

TEST_F(TemplateEditing, OkWritesTheTemplateBack) {
  ExportTemplate edited;
  ASSERT_EQ(edited.Load(path_), kResultOk);
  WhenModal<ColumnSelectionDialog>([](ColumnSelectionDialog& editor) {
    EXPECT_EQ(editor.windowTitle(), "Edit Template File");
    AddPhAndPress(editor, "okButton");
  });
  EXPECT_EQ(Edit(edited, TemplateEditMode::kEdit), kResultOk);
  EXPECT_EQ(
      ReadBytes(path_),
      ",\n-----\nTemperature (C)\npH\nHeader General Info Enabled\nHeader Test Info Enabled\n");
}

TEST_F(TemplateEditing, CancelLeavesTemplateAndFileAlone) {
  ExportTemplate edited;
  ASSERT_EQ(edited.Load(path_), kResultOk);
  WhenModal<ColumnSelectionDialog>(
      [](ColumnSelectionDialog& editor) { AddPhAndPress(editor, "cancelButton"); });
  EXPECT_EQ(Edit(edited, TemplateEditMode::kEdit), kResultCancelled);
  EXPECT_EQ(edited.Columns(), std::vector<std::string>{"Temperature (C)"});
  EXPECT_EQ(ReadBytes(path_), kStored);
}

TEST_F(TemplateEditing, CreateNewAsksForAPathAndAddsTheExtension) {
  ExportTemplate created;
  WhenModal<ColumnSelectionDialog>([](ColumnSelectionDialog& editor) {
    EXPECT_EQ(editor.windowTitle(), "Create New Template File");
    AddPhAndPress(editor, "okButton");
  });
  const std::string chosen = scratch_.File("fresh");
  WhenModal<QFileDialog>([&](QFileDialog& files) {
    EXPECT_EQ(files.windowTitle(), "Save New Template File");
    EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(files.defaultSuffix(), "bft");
    EXPECT_EQ(files.nameFilters(), QStringList{"Template Files (*.bft)"});
    testing::Choose(files, chosen);
  });
  EXPECT_EQ(CreateNew(created), kResultOk);
  EXPECT_EQ(created.Path(), chosen + ".bft");
  // A fresh template has an empty empty-field text.
  EXPECT_EQ(ReadBytes(chosen + ".bft"), ",\n\npH\nHeader General Info Enabled\n");
}

TEST_F(TemplateEditing, SavingIntoAMissingFolderIsRefusedAndAskedAgain) {
  ExportTemplate created;
  WhenModal<ColumnSelectionDialog>(
      [](ColumnSelectionDialog& editor) { AddPhAndPress(editor, "okButton"); });
  const std::string missing = scratch_.File("nowhere/fresh.bft");
  WhenModal<QFileDialog>([&](QFileDialog& files) {
    testing::Choose(files, missing);
    // Shown again after the message: now the user gives up.
    WhenModal<QFileDialog>([](QFileDialog& again) { again.reject(); });
  });
  EXPECT_EQ(CreateNew(created), kResultCancelled);
  ASSERT_EQ(notices_.Count(), 1u);
  EXPECT_EQ(notices_.Entries()[0].icon, platform::NoticeIcon::kExclamation);
}

}  // namespace
}  // namespace pelcon::ui
