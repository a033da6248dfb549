#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/notifier.hpp"

namespace pelcon::testing {

// Lets the event loop run until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 15000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Dialog units in pixels for a dialog's font, worked out here from their definition (a quarter of
// the average width of the 52 letters, an eighth of the line height, each rounded) so that layout
// checks do not lean on the mapping they check.
class UnitsInPixels {
 public:
  explicit UnitsInPixels(const QFont& font) {
    const QFontMetrics metrics(font);
    average_ =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 +
         1) /
        2;
    height_ = metrics.height();
  }
  int X(int units) const { return (units * average_ + 2) / 4; }
  int Y(int units) const { return (units * height_ + 4) / 8; }
  QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }
  QRect Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
  }

 private:
  int average_ = 0;
  int height_ = 0;
};

// The named child of a dialog; fails the test when it is missing.
template <typename Widget>
Widget& Child(const QWidget& parent, const char* name) {
  Widget* child = parent.findChild<Widget*>(QString::fromLatin1(name));
  if (child == nullptr) {
    ADD_FAILURE() << "no child " << name;
    std::abort();
  }
  return *child;
}

// Once a modal window of the given type is up (a dialog's exec or a message box), runs the action
// on it. The action must close it. When none comes, or another modal window is in the
// way, the test fails and the window in the way is closed, so a test never waits for nobody.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> action, int milliseconds = 10000) {
  auto* poll = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(poll, &QTimer::timeout, [poll, action, clock, milliseconds] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = dynamic_cast<Dialog*>(modal)) {
      poll->stop();
      poll->deleteLater();
      action(*dialog);
      return;
    }
    if (clock->elapsed() < milliseconds) return;
    poll->stop();
    poll->deleteLater();
    ADD_FAILURE() << "the expected modal window did not come; in the way: "
                  << (modal != nullptr ? modal->metaObject()->className() : "nothing") << " "
                  << (modal != nullptr ? modal->windowTitle().toStdString() : "");
    if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
  });
  poll->start(10);
}

// Answers a file dialog with a path as a user typing it would, and closes it with OK (through
// done(), which skips the toolkit's checks that could put up a box of their own).
inline void Choose(QFileDialog& files, const std::string& path) {
  // selectFile leaves the name box alone while it has the focus, which depends on timing.
  const QString text = QString::fromStdString(path);
  files.selectFile(text);
  files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(text);
  static_cast<QDialog&>(files).done(QDialog::Accepted);
}

// Collects notices, from any thread, instead of showing them.
class NoticeLog final : public platform::NoticeSink {
 public:
  struct Entry {
    std::string text;
    platform::NoticeIcon icon;
    bool operator==(const Entry&) const = default;
  };

  NoticeLog() : installation_(*this) {}

  void Show(const platform::Notice& notice) override {
    std::lock_guard lock(mutex_);
    entries_.push_back({std::string(notice.text), notice.icon});
  }
  bool Ask(const platform::Notice& notice, bool defaultAnswer) override {
    Show(notice);
    return defaultAnswer;
  }

  std::vector<Entry> Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
  }
  size_t Count() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
  }

 private:
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
  platform::ScopedNoticeSink installation_;
};

inline std::ostream& operator<<(std::ostream& out, const NoticeLog::Entry& entry) {
  return out << '"' << entry.text << "\" icon " << static_cast<int>(entry.icon);
}

}  // namespace pelcon::testing
