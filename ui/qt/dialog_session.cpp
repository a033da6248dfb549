#include "ui/dialog_session.hpp"

#include <QApplication>
#include <optional>

#include "platform/notifier.hpp"
#include "ui/display_availability.hpp"
#include "ui/qt/message_box_sink.hpp"
#include "ui/qt/qt_template_dialogs.hpp"

namespace pelcon::ui {
namespace {

// QApplication keeps references to these for its whole life.
int applicationArgc = 1;
char applicationName[] = "pelcon";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

struct DialogSession::State {
  std::unique_ptr<QApplication> ownApplication;  // only when the process had none
  MessageBoxSink messageBoxes;
  QtTemplateDialogs templateDialogs;
  std::optional<platform::ScopedNoticeSink> noticeInstallation;
  std::optional<ScopedTemplateDialogs> dialogsInstallation;
};

DialogSession::DialogSession() {
  if (!DisplayAvailable()) {
    platform::ShowNotice(
        "No display is available for the dialogs: set DISPLAY or WAYLAND_DISPLAY, or "
        "QT_QPA_PLATFORM",
        platform::NoticeIcon::kStop);
    return;
  }
  // A program with a core application but no widgets cannot host dialogs.
  if (QCoreApplication::instance() != nullptr && qobject_cast<QApplication*>(qApp) == nullptr) {
    platform::ShowNotice("This program cannot show dialogs", platform::NoticeIcon::kStop);
    return;
  }
  auto state = std::make_unique<State>();
  if (QCoreApplication::instance() == nullptr) {
    state->ownApplication = std::make_unique<QApplication>(applicationArgc, applicationArgv);
    QApplication::setApplicationName(QStringLiteral("Tarvel Pelcon"));
  }
  state->noticeInstallation.emplace(state->messageBoxes);
  state->dialogsInstallation.emplace(state->templateDialogs);
  state_ = std::move(state);
}

DialogSession::~DialogSession() = default;

}  // namespace pelcon::ui
