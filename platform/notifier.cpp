#include "platform/notifier.hpp"

#include <atomic>

#include "platform/notice_capture.hpp"

namespace pelcon::platform {
namespace {

// Null means the platform's default sink. Atomic because a worker thread may show a notice while
// a dialog installs or removes its sink.
std::atomic<NoticeSink*> installedSink{nullptr};

NoticeSink& CurrentSink() {
  NoticeSink* sink = installedSink.load(std::memory_order_acquire);
  return sink != nullptr ? *sink : DefaultNoticeSink();
}

}  // namespace

void ShowNotice(std::string_view text, NoticeIcon icon, std::string_view caption) {
  HearNotice(text);
  CurrentSink().Show({caption, text, icon});
}

bool AskYesNo(std::string_view text, bool defaultAnswer, NoticeIcon icon,
              std::string_view caption) {
  return CurrentSink().Ask({caption, text, icon}, defaultAnswer);
}

ScopedNoticeSink::ScopedNoticeSink(NoticeSink& sink)
    : previous_(installedSink.exchange(&sink, std::memory_order_acq_rel)) {}

ScopedNoticeSink::~ScopedNoticeSink() {
  installedSink.store(previous_, std::memory_order_release);
}

}  // namespace pelcon::platform
