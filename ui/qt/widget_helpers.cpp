#include "ui/qt/widget_helpers.hpp"

#include <QApplication>
#include <algorithm>

namespace pelcon::ui {

QWidget* ActiveDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : QApplication::activeWindow();
}

std::vector<int> SelectedRows(const QListWidget& list) {
  std::vector<int> rows;
  for (const QModelIndex& index : list.selectionModel()->selectedIndexes()) {
    rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace pelcon::ui
