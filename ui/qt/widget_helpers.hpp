#pragma once

#include <QListWidget>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/dialog_units.hpp"
#include "ui/qt/dialog_font.hpp"

namespace pelcon::ui {

// Makes a control of the dialog with its object name (for tests and accessibility), its text
// where it has one, and its place in dialog units.
template <typename Control>
Control* MakeControl(QWidget& dialog, const DialogUnits& units, const char* name,
                     const QString& text, int x, int y, int width, int height) {
  auto* control = new Control(&dialog);
  control->setObjectName(QString::fromLatin1(name));
  if constexpr (requires { control->setText(text); }) control->setText(text);
  Place(*control, units, x, y, width, height);
  return control;
}

// The dialog new windows open over: the active modal one, else the active window, else none.
QWidget* ActiveDialog();

// The selected rows of a list, ascending.
std::vector<int> SelectedRows(const QListWidget& list);

}  // namespace pelcon::ui
