#pragma once

#include <QObject>
#include <functional>

namespace pelcon::ui {

// Runs work on the thread of context and waits until it is done; at once when already there. A
// worker thread uses this to touch a window, and must not be waited for by that thread meanwhile.
void RunOnGuiThread(QObject& context, const std::function<void()>& work);

}  // namespace pelcon::ui
