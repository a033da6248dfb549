#pragma once

#include "platform/notifier.hpp"

namespace pelcon::ui {

// Shows notices as message boxes over the active dialog. Notices from another thread (the
// conversion driver's, on the batch dialog's worker) are shown on the application's thread while
// the caller waits.
class MessageBoxSink final : public platform::NoticeSink {
 public:
  void Show(const platform::Notice& notice) override;
  bool Ask(const platform::Notice& notice, bool defaultAnswer) override;
};

}  // namespace pelcon::ui
