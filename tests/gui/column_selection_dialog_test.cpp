#include "ui/qt/column_selection_dialog.hpp"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/gui/gui_test_support.hpp"
#include "ui/qt/arrow_button.hpp"

namespace pelcon::ui {
namespace {

using testing::Child;
using Names = std::vector<std::string>;

const TemplateContent kContent{";",
                               "n/a",
                               {"Temperature (C)", "Conductivity (\xB5S Actual)", "pH", "PSI", "x"},
                               {false, true, true, false}};

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

void Select(QListWidget& list, std::initializer_list<int> rows) {
  list.clearSelection();
  for (int row : rows) list.item(row)->setSelected(true);
}

void SelectByText(QListWidget& list, const QStringList& texts) {
  list.clearSelection();
  for (const QString& text : texts) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    found.front()->setSelected(true);
  }
}

void Click(QWidget& dialog, const char* name) {
  QTest::mouseClick(&Child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

TEST(ColumnSelectionDialog, CaptionFollowsTheMode) {
  EXPECT_EQ(ColumnSelectionDialog(kContent, TemplateEditMode::kCreate).windowTitle(),
            "Create New Template File");
  EXPECT_EQ(ColumnSelectionDialog(kContent, TemplateEditMode::kEdit).windowTitle(),
            "Edit Template File");
}

TEST(ColumnSelectionDialog, IsLaidOutInDialogUnitsOfItsFont) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  EXPECT_EQ(dialog.font().pointSize(), 8);
  const testing::UnitsInPixels units(dialog.font());
  EXPECT_EQ(dialog.size(), units.Size(335, 266));
  EXPECT_EQ(Child<QWidget>(dialog, "currentList").geometry(), units.Rect(189, 14, 118, 172));
  EXPECT_EQ(Child<QWidget>(dialog, "upButton").geometry(), units.Rect(310, 60, 14, 13));
  EXPECT_EQ(Child<QWidget>(dialog, "okButton").geometry(), units.Rect(217, 245, 50, 14));
}

TEST(ColumnSelectionDialog, ShowsEveryNameSortedAndTheTemplateAsGiven) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  auto& available = Child<QListWidget>(dialog, "availableList");
  ASSERT_EQ(available.count(), 54);
  EXPECT_EQ(available.item(0)->text(), "Ammonium (ppm)");
  EXPECT_EQ(available.selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(available.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // The micro sign is the byte 0xB5 in the template and U+00B5 on screen.
  EXPECT_EQ(Texts(Child<QListWidget>(dialog, "currentList")),
            QStringList({"Temperature (C)", QString::fromUtf8("Conductivity (\u00B5S Actual)"),
                         "pH", "PSI", "x"}));
  EXPECT_EQ(Child<QLineEdit>(dialog, "separatorEdit").text(), ";");
  EXPECT_EQ(Child<QLineEdit>(dialog, "separatorEdit").alignment(), Qt::AlignCenter);
  EXPECT_EQ(Child<QLineEdit>(dialog, "emptyFieldEdit").text(), "n/a");
  EXPECT_FALSE(Child<QCheckBox>(dialog, "generalCheck").isChecked());
  EXPECT_TRUE(Child<QCheckBox>(dialog, "deviceCheck").isChecked());
  EXPECT_TRUE(Child<QCheckBox>(dialog, "testInfoCheck").isChecked());
  EXPECT_FALSE(Child<QCheckBox>(dialog, "testDefinitionCheck").isChecked());
  // Nothing changed: the content comes back byte for byte.
  EXPECT_EQ(dialog.Content(), kContent);
}

TEST(ColumnSelectionDialog, AddAppendsTheSelectedNamesAndClearsTheirSelection) {
  ColumnSelectionDialog dialog({",", "", {"pH"}, {}}, TemplateEditMode::kCreate);
  auto& available = Child<QListWidget>(dialog, "availableList");
  SelectByText(available, {"Time - Time Stamp", "Battery (volts)"});
  Click(dialog, "addButton");
  EXPECT_TRUE(available.selectedItems().isEmpty());
  EXPECT_EQ(dialog.Content().columns, (Names{"pH", "Battery (volts)", "Time - Time Stamp"}));
  // A name the template holds is left out; the others of the selection still come.
  SelectByText(available, {"pH", "Pressure (kPa)"});
  Click(dialog, "addButton");
  EXPECT_EQ(dialog.Content().columns,
            (Names{"pH", "Battery (volts)", "Time - Time Stamp", "Pressure (kPa)"}));
  dialog.show();
  const QPoint ph =
      available.visualItemRect(available.findItems("pH", Qt::MatchExactly).front()).center();
  QTest::mouseClick(available.viewport(), Qt::LeftButton, {}, ph);
  QTest::mouseDClick(available.viewport(), Qt::LeftButton, {}, ph);
  EXPECT_EQ(dialog.Content().columns.size(), 4u);
}

TEST(ColumnSelectionDialog, DoubleClickInTheAvailableListAdds) {
  ColumnSelectionDialog dialog({",", "", {}, {}}, TemplateEditMode::kCreate);
  dialog.show();
  auto& available = Child<QListWidget>(dialog, "availableList");
  const QRect first = available.visualItemRect(available.item(0));
  QTest::mouseClick(available.viewport(), Qt::LeftButton, {}, first.center());
  QTest::mouseDClick(available.viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(dialog.Content().columns, (Names{"Ammonium (ppm)"}));
}

TEST(ColumnSelectionDialog, RemoveDeletesTheSelectedColumns) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  Select(Child<QListWidget>(dialog, "currentList"), {0, 2, 4});
  Click(dialog, "removeButton");
  EXPECT_EQ(dialog.Content().columns, (Names{"Conductivity (\xB5S Actual)", "PSI"}));
  EXPECT_TRUE(Child<QListWidget>(dialog, "currentList").selectedItems().isEmpty());
}

TEST(ColumnSelectionDialog, DoubleClickAndDeleteTakeColumnsOffTheCurrentList) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  dialog.show();
  auto& current = Child<QListWidget>(dialog, "currentList");
  const QPoint ph = current.visualItemRect(current.item(2)).center();
  QTest::mouseClick(current.viewport(), Qt::LeftButton, {}, ph);
  QTest::mouseDClick(current.viewport(), Qt::LeftButton, {}, ph);
  EXPECT_EQ(dialog.Content().columns,
            (Names{"Temperature (C)", "Conductivity (\xB5S Actual)", "PSI", "x"}));
  Select(current, {0, 3});
  QTest::keyClick(&current, Qt::Key_Delete);
  EXPECT_EQ(dialog.Content().columns, (Names{"Conductivity (\xB5S Actual)", "PSI"}));
}

TEST(ColumnSelectionDialog, ArrowsMoveTheSelectionAndKeepItSelected) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  auto& current = Child<QListWidget>(dialog, "currentList");
  Select(current, {0, 1, 3});
  Click(dialog, "upButton");
  EXPECT_EQ(dialog.Content().columns,
            (Names{"Temperature (C)", "Conductivity (\xB5S Actual)", "PSI", "pH", "x"}));
  EXPECT_EQ(current.selectedItems().size(), 3);
  EXPECT_TRUE(current.item(2)->isSelected());
  EXPECT_FALSE(current.item(3)->isSelected());
  Select(current, {4});
  Click(dialog, "downButton");
  EXPECT_EQ(dialog.Content().columns.back(), "x");
  EXPECT_TRUE(current.item(4)->isSelected());
}

TEST(ColumnSelectionDialog, OkTakesTheEditBoxesAndCheckBoxes) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  Child<QLineEdit>(dialog, "separatorEdit").setText("\t");
  Child<QLineEdit>(dialog, "emptyFieldEdit").setText(QString::fromUtf8("\u00B5 \u03A9"));
  Child<QCheckBox>(dialog, "generalCheck").setChecked(true);
  Child<QCheckBox>(dialog, "deviceCheck").setChecked(false);
  Click(dialog, "okButton");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TemplateContent content = dialog.Content();
  EXPECT_EQ(content.separator, "\t");
  // Omega has no byte in the template's code page.
  EXPECT_EQ(content.emptyFieldText, "\xB5 ?");
  EXPECT_EQ(content.sections, (TemplateSections{true, false, true, false}));
}

TEST(ColumnSelectionDialog, CancelEndsWithoutOk) {
  ColumnSelectionDialog dialog(kContent, TemplateEditMode::kEdit);
  Click(dialog, "cancelButton");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(ArrowImages, PressedAndDisabledDifferFromNormal) {
  for (ArrowDirection direction : {ArrowDirection::kUp, ArrowDirection::kDown}) {
    const QImage normal = ArrowImage(direction, ArrowState::kNormal, {21, 21}).toImage();
    EXPECT_NE(normal, ArrowImage(direction, ArrowState::kPressed, {21, 21}).toImage());
    EXPECT_NE(normal, ArrowImage(direction, ArrowState::kDisabled, {21, 21}).toImage());
  }
  EXPECT_NE(ArrowImage(ArrowDirection::kUp, ArrowState::kNormal, {21, 21}).toImage(),
            ArrowImage(ArrowDirection::kDown, ArrowState::kNormal, {21, 21}).toImage());
}

TEST(ArrowImages, AButtonShowsTheImageOfItsState) {
  ArrowButton button(ArrowDirection::kUp, nullptr);
  button.resize(21, 21);
  button.show();
  auto shown = [&] { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); };
  auto image = [](ArrowState state) {
    return ArrowImage(ArrowDirection::kUp, state, {21, 21})
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_EQ(shown(), image(ArrowState::kNormal));
  button.setDown(true);
  EXPECT_EQ(shown(), image(ArrowState::kPressed));
  button.setDown(false);
  button.setEnabled(false);
  EXPECT_EQ(shown(), image(ArrowState::kDisabled));
}

}  // namespace
}  // namespace pelcon::ui
