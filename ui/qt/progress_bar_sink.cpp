#include "ui/qt/progress_bar_sink.hpp"

#include "ui/qt/gui_thread.hpp"

namespace pelcon::ui {

void ProgressBarSink::SetRange(int minimum, int maximum) {
  RunOnGuiThread(bar_, [&] { bar_.setRange(minimum, maximum); });
}

void ProgressBarSink::SetPosition(int position) {
  RunOnGuiThread(bar_, [&] { bar_.setValue(position); });
}

void ProgressBarSink::Redraw() {
  RunOnGuiThread(bar_, [&] { bar_.repaint(); });
}

}  // namespace pelcon::ui
