#pragma once

#include <memory>

#include "export/result_codes.hpp"

namespace pelcon::ui {

// Makes the process ready for dialogs while it lives: the toolkit's application object when there
// is none yet, message boxes for the notices, and the template dialogs for the template
// operations. Sessions nest; an inner one adds nothing.
class DialogSession {
 public:
  // Without a display (or in a build without dialogs) the session says why on the notifier and is
  // not ready.
  DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;
  ~DialogSession();

  bool Ready() const { return state_ != nullptr; }

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Runs the batch conversion dialog modally in a session of its own. kResultOk however it was
// closed and whatever the conversions gave; kResultFail when no session could be made.
ResultCode RunBatchConversionDialog();

}  // namespace pelcon::ui
