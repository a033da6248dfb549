#pragma once

#include <QProgressBar>

#include "component/progress_sink.hpp"

namespace pelcon::ui {

// Hands the driver's progress to a bar of a dialog; each call waits until the dialog's thread has
// handled it, so the bar shows the position the worker has reached.
class ProgressBarSink final : public ProgressSink {
 public:
  explicit ProgressBarSink(QProgressBar& bar) : bar_(bar) {}

  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void Redraw() override;

 private:
  QProgressBar& bar_;
};

}  // namespace pelcon::ui
