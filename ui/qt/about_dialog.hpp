#pragma once

#include <QDialog>

namespace pelcon::ui {

// The application icon and the library's version.
class AboutDialog final : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace pelcon::ui
