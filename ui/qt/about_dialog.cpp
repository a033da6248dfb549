#include "ui/qt/about_dialog.hpp"

#include <QLabel>
#include <QPushButton>

#include "export/settings.hpp"
#include "ui/qt/application_icon.hpp"
#include "ui/qt/qt_text.hpp"
#include "ui/qt/widget_helpers.hpp"

namespace pelcon::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  const DialogUnits units = SetUpDialog(*this, 235, 62);
  setWindowTitle(QStringLiteral("About Pelcon"));
  setWindowIcon(ApplicationIcon());

  auto* icon = MakeControl<QLabel>(*this, units, "iconLabel", {}, 11, 17, 20, 20);
  icon->setPixmap(ApplicationIcon().pixmap(icon->size()));
  MakeControl<QLabel>(*this, units, "versionCaption", QStringLiteral("Version:"), 40, 10, 29, 8);
  MakeControl<QLabel>(*this, units, "versionLabel", FromMessageText(VersionText()), 70, 10, 29, 8);
  MakeControl<QLabel>(*this, units, "noticeLabel", QStringLiteral("Log file to CSV converter"), 40,
                      25, 119, 8);
  auto* ok =
      MakeControl<QPushButton>(*this, units, "okButton", QStringLiteral("OK"), 178, 7, 50, 14);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace pelcon::ui
