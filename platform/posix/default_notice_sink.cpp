#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

#include "platform/notifier.hpp"

namespace pelcon::platform {
namespace {

// Outside a dialog there is nobody to click a box: a notice becomes one line on stderr in the
// usual form "<program>: <text>", its line breaks made blanks, so every line of the process
// reads alike and a script can take it line by line. The caption belongs to a window's title
// bar and is not shown. The line is written with one call so that lines of concurrent
// conversions do not interleave.
class StderrSink final : public NoticeSink {
 public:
  void Show(const Notice& notice) override {
    const std::string_view program = program_invocation_short_name;
    std::string line;
    line.reserve(program.size() + notice.text.size() + 3);
    line.append(program).append(": ");
    for (const char c : notice.text) line.push_back(c == '\n' || c == '\r' ? ' ' : c);
    line.push_back('\n');
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
