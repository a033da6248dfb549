#include "ui/dialog_session.hpp"

#include "platform/notifier.hpp"

// A build without a dialog toolkit: every request for a window says so and fails.

namespace pelcon::ui {

struct DialogSession::State {};

DialogSession::DialogSession() {
  platform::ShowNotice("This build has no dialogs", platform::NoticeIcon::kStop);
}

DialogSession::~DialogSession() = default;

ResultCode RunBatchConversionDialog() {
  DialogSession session;
  return kResultFail;
}

}  // namespace pelcon::ui
