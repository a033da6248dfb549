#include "ui/qt/column_selection_dialog.hpp"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include "ui/qt/application_icon.hpp"
#include "ui/qt/dialog_font.hpp"
#include "ui/qt/qt_text.hpp"
#include "ui/qt/widget_helpers.hpp"

namespace pelcon::ui {
namespace {

QListWidget* MakeList(QWidget& dialog, const DialogUnits& units, const char* name, int x,
                      int width) {
  auto* list = MakeControl<QListWidget>(dialog, units, name, {}, x, 14, width, 172);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return list;
}

QLineEdit* MakeCentredEdit(QWidget& dialog, const DialogUnits& units, const char* name,
                           const std::string& text, int x, int y, int width) {
  auto* edit = MakeControl<QLineEdit>(dialog, units, name, FromTemplateText(text), x, y, width, 13);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

}  // namespace

ColumnSelectionDialog::ColumnSelectionDialog(const TemplateContent& content, TemplateEditMode mode,
                                             QWidget* parent)
    : QDialog(parent), columns_(content.columns) {
  const DialogUnits units = SetUpDialog(*this, 335, 266);
  setWindowTitle(mode == TemplateEditMode::kCreate ? QStringLiteral("Create New Template File")
                                                   : QStringLiteral("Edit Template File"));
  setWindowIcon(ApplicationIcon());

  // The group box first, so the check boxes lie above it.
  MakeControl<QGroupBox>(*this, units, "headerOptions", QStringLiteral("Header Options"), 10, 191,
                         174, 47)
      ->setTitle(QStringLiteral("Header Options"));
  MakeControl<QLabel>(*this, units, "availableLabel", QStringLiteral("Available Value Names"), 13,
                      3, 108, 9);
  available_ = MakeList(*this, units, "availableList", 10, 120);
  auto* add = MakeControl<QPushButton>(*this, units, "addButton", QStringLiteral("Add -->"), 134,
                                       42, 51, 15);
  auto* remove = MakeControl<QPushButton>(*this, units, "removeButton",
                                          QStringLiteral("<-- Remove"), 134, 66, 51, 15);
  MakeControl<QLabel>(*this, units, "currentLabel", QStringLiteral("Current Value Names"), 196, 3,
                      111, 8);
  current_ = MakeList(*this, units, "currentList", 189, 118);
  auto* up = new ArrowButton(ArrowDirection::kUp, this);
  up->setObjectName(QStringLiteral("upButton"));
  up->setToolTip(QStringLiteral("Move Up"));
  Place(*up, units, 310, 60, 14, 13);
  auto* down = new ArrowButton(ArrowDirection::kDown, this);
  down->setObjectName(QStringLiteral("downButton"));
  down->setToolTip(QStringLiteral("Move Down"));
  Place(*down, units, 310, 84, 14, 13);

  general_ = MakeControl<QCheckBox>(*this, units, "generalCheck",
                                    QStringLiteral("General Information"), 19, 204, 77, 10);
  device_ = MakeControl<QCheckBox>(*this, units, "deviceCheck",
                                   QStringLiteral("Device Information"), 104, 204, 75, 10);
  testInfo_ = MakeControl<QCheckBox>(*this, units, "testInfoCheck",
                                     QStringLiteral("Test Information"), 19, 219, 67, 10);
  testDefinition_ = MakeControl<QCheckBox>(*this, units, "testDefinitionCheck",
                                           QStringLiteral("Test Definition"), 104, 219, 61, 10);
  MakeControl<QLabel>(*this, units, "separatorLabel", QStringLiteral("Field Separator"), 226, 197,
                      51, 8);
  separator_ = MakeCentredEdit(*this, units, "separatorEdit", content.separator, 281, 195, 26);
  MakeControl<QLabel>(*this, units, "emptyFieldLabel", QStringLiteral("Empty Data Field"), 201, 214,
                      60, 8);
  emptyField_ =
      MakeCentredEdit(*this, units, "emptyFieldEdit", content.emptyFieldText, 267, 212, 40);
  auto* ok =
      MakeControl<QPushButton>(*this, units, "okButton", QStringLiteral("OK"), 217, 245, 50, 14);
  auto* cancel = MakeControl<QPushButton>(*this, units, "cancelButton", QStringLiteral("Cancel"),
                                          273, 245, 50, 14);
  ok->setDefault(true);

  for (const std::string& name : ColumnListModel::AvailableNames()) {
    available_->addItem(FromTemplateText(name));
  }
  ShowCurrent({});
  general_->setChecked(content.sections.generalInfo);
  device_->setChecked(content.sections.deviceInfo);
  testInfo_->setChecked(content.sections.testInfo);
  testDefinition_->setChecked(content.sections.testDefinition);

  connect(add, &QPushButton::clicked, this, &ColumnSelectionDialog::AddSelected);
  connect(available_, &QListWidget::itemDoubleClicked, this, &ColumnSelectionDialog::AddSelected);
  connect(remove, &QPushButton::clicked, this, &ColumnSelectionDialog::RemoveSelected);
  connect(current_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { RemoveColumn(current_->row(item)); });
  current_->installEventFilter(this);
  connect(up, &QAbstractButton::clicked, this, &ColumnSelectionDialog::MoveUp);
  connect(down, &QAbstractButton::clicked, this, &ColumnSelectionDialog::MoveDown);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TemplateContent ColumnSelectionDialog::Content() const {
  return {ToTemplateText(separator_->text()),
          ToTemplateText(emptyField_->text()),
          columns_.Current(),
          {general_->isChecked(), device_->isChecked(), testInfo_->isChecked(),
           testDefinition_->isChecked()}};
}

bool ColumnSelectionDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == current_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RemoveSelected();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ColumnSelectionDialog::AddSelected() {
  if (columns_.Add(SelectedRows(*available_)) > 0) QApplication::beep();
  available_->clearSelection();
  ShowCurrent(SelectedRows(*current_));
}

void ColumnSelectionDialog::RemoveSelected() {
  columns_.Remove(SelectedRows(*current_));
  ShowCurrent({});
}

void ColumnSelectionDialog::RemoveColumn(int row) {
  const int rows[] = {row};
  columns_.Remove(rows);
  ShowCurrent({});
}

void ColumnSelectionDialog::MoveUp() {
  ShowCurrent(columns_.MoveUp(SelectedRows(*current_)));
}

void ColumnSelectionDialog::MoveDown() {
  ShowCurrent(columns_.MoveDown(SelectedRows(*current_)));
}

void ColumnSelectionDialog::ShowCurrent(const std::vector<int>& selection) {
  const std::vector<std::string>& names = columns_.Current();
  const int count = static_cast<int>(names.size());
  while (current_->count() > count) delete current_->takeItem(current_->count() - 1);
  while (current_->count() < count) current_->addItem(QString());
  current_->clearSelection();
  for (int row = 0; row < count; ++row) {
    current_->item(row)->setText(FromTemplateText(names[static_cast<size_t>(row)]));
  }
  for (int row : selection) {
    if (row >= 0 && row < count) current_->item(row)->setSelected(true);
  }
  if (!selection.empty() && selection.front() < count) {
    current_->scrollToItem(current_->item(selection.front()));
  }
}

}  // namespace pelcon::ui
