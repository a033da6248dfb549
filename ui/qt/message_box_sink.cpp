#include "ui/qt/message_box_sink.hpp"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/gui_thread.hpp"
#include "ui/qt/qt_text.hpp"
#include "ui/qt/widget_helpers.hpp"

namespace pelcon::ui {
namespace {

QMessageBox::Icon IconOf(platform::NoticeIcon icon) {
  switch (icon) {
    case platform::NoticeIcon::kStop:
      return QMessageBox::Critical;
    case platform::NoticeIcon::kExclamation:
      return QMessageBox::Warning;
    case platform::NoticeIcon::kInformation:
      return QMessageBox::Information;
    case platform::NoticeIcon::kQuestion:
      return QMessageBox::Question;
    case platform::NoticeIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton RunBox(const platform::Notice& notice,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
  QMessageBox box(IconOf(notice.icon), FromMessageText(notice.caption),
                  FromMessageText(notice.text), buttons, ActiveDialog());
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxSink::Show(const platform::Notice& notice) {
  RunOnGuiThread(*qApp, [&] { RunBox(notice, QMessageBox::Ok, QMessageBox::Ok); });
}

bool MessageBoxSink::Ask(const platform::Notice& notice, bool defaultAnswer) {
  bool yes = defaultAnswer;
  RunOnGuiThread(*qApp, [&] {
    yes = RunBox(notice, QMessageBox::Yes | QMessageBox::No,
                 defaultAnswer ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
  });
  return yes;
}

}  // namespace pelcon::ui
