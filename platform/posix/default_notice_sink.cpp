#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/notifier.hpp"

namespace pelcon::platform {
namespace {

// Outside a dialog there is nobody to click a box: a notice becomes one line on stderr, written
// with one call so that lines of concurrent conversions do not interleave.
class StderrSink final : public NoticeSink {
 public:
  void Show(const Notice& notice) override {
    std::string line;
    line.reserve(notice.caption.size() + notice.text.size() + 3);
    line.append(notice.caption).append(": ").append(notice.text).push_back('\n');
    std::string_view rest = line;
    while (!rest.empty()) {
      ssize_t written = ::write(STDERR_FILENO, rest.data(), rest.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return;  // stderr is gone; nothing else can report it
      rest.remove_prefix(static_cast<size_t>(written));
    }
  }

  bool Ask(const Notice& notice, bool defaultAnswer) override {
    Show(notice);
    return defaultAnswer;
  }
};

}  // namespace

NoticeSink& DefaultNoticeSink() {
  static StderrSink sink;
  return sink;
}

}  // namespace pelcon::platform
