#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
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
// on it. The action must close it, or the test waits for nobody.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> action) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    poll->stop();
    poll->deleteLater();
    action(*dialog);
  });
  poll->start(10);
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
