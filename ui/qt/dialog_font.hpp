#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include "ui/dialog_units.hpp"

namespace pelcon::ui {

// The font every dialog uses: 8-point sans serif.
QFont DialogFont();

// The dialog units of a font, measured as Windows measures them.
DialogUnits UnitsOf(const QFont& font);

// Places a control at a rectangle given in dialog units.
void Place(QWidget& control, const DialogUnits& units, int x, int y, int width, int height);

// Gives a dialog the dialog font and a fixed client size in dialog units; returns its units.
DialogUnits SetUpDialog(QWidget& dialog, int width, int height);

}  // namespace pelcon::ui
