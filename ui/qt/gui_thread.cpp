#include "ui/qt/gui_thread.hpp"

#include <QMetaObject>
#include <QThread>

namespace pelcon::ui {

void RunOnGuiThread(QObject& context, const std::function<void()>& work) {
  if (QThread::currentThread() == context.thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(&context, work, Qt::BlockingQueuedConnection);
}

}  // namespace pelcon::ui
