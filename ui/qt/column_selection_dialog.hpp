#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "component/template_dialogs.hpp"
#include "ui/column_list_model.hpp"
#include "ui/qt/arrow_button.hpp"

namespace pelcon::ui {

// The editor of an export template: every exportable column on the left, the template's columns
// on the right, the separator, the empty-field text and the header sections. Add (or a double
// click on the left) leaves out columns the template already has, with a beep; a double click on
// the right or Delete takes columns off. Works on a copy; Content() gives the values to take over
// after OK.
class ColumnSelectionDialog final : public QDialog {
 public:
  ColumnSelectionDialog(const TemplateContent& content, TemplateEditMode mode,
                        QWidget* parent = nullptr);

  TemplateContent Content() const;

 protected:
  // Delete on the current list removes its selected columns.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddSelected();
  void RemoveSelected();
  // A double click takes that column off the list.
  void RemoveColumn(int row);
  void MoveUp();
  void MoveDown();
  // Brings the current list in line with the model and selects the given rows.
  void ShowCurrent(const std::vector<int>& selection);

  ColumnListModel columns_;
  QListWidget* available_;
  QListWidget* current_;
  QCheckBox* general_;
  QCheckBox* device_;
  QCheckBox* testInfo_;
  QCheckBox* testDefinition_;
  QLineEdit* separator_;
  QLineEdit* emptyField_;
};

}  // namespace pelcon::ui
