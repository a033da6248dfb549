#pragma once

#include <QIcon>

namespace pelcon::ui {

// The application's icon: a sheet of table rows above a band of water, drawn at every size a
// window frame asks for.
QIcon ApplicationIcon();

}  // namespace pelcon::ui
