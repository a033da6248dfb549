#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/notifier.hpp"

namespace pelcon::platform {
namespace {

const char* IconName(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::kStop:
      return "stop";
    case NoticeIcon::kExclamation:
      return "exclamation";
    case NoticeIcon::kInformation:
      return "information";
    case NoticeIcon::kQuestion:
      return "question";
    case NoticeIcon::kNone:
      break;
  }
  return "none";
}

UINT IconStyle(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::kStop:
      return MB_ICONSTOP;
    case NoticeIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case NoticeIcon::kInformation:
      return MB_ICONINFORMATION;
    case NoticeIcon::kQuestion:
      return MB_ICONQUESTION;
    case NoticeIcon::kNone:
      break;
  }
  return 0;
}

// A message box owned by the active window of this thread, if there is one, so that it stays in
// front of the dialog that caused it.
int Box(const Notice& notice, UINT style) {
  const std::string text(notice.text);
  const std::string caption(notice.caption);
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(),
                       style | IconStyle(notice.icon));
}

// PELCON_NOTICE_LOG names a file that receives each notice instead of a box, one entry per
// notice: the icon, a tab, "caption: text" with its line breaks, a line feed. Tests of the
// programs read it, since nobody is there to click a box.
bool LogNotice(const Notice& notice) {
  const char* path = std::getenv("PELCON_NOTICE_LOG");
  if (path == nullptr || *path == '\0') return false;
  static std::mutex lock;
  const std::lock_guard hold(lock);
  std::FILE* log = std::fopen(path, "ab");
  if (log == nullptr) return false;
  std::string entry = IconName(notice.icon);
  entry.append("\t").append(notice.caption).append(": ").append(notice.text).push_back('\n');
  std::fwrite(entry.data(), 1, entry.size(), log);
  std::fclose(log);
  return true;
}

class MessageBoxSink final : public NoticeSink {
 public:
  void Show(const Notice& notice) override {
    if (!LogNotice(notice)) Box(notice, MB_OK);
  }

  bool Ask(const Notice& notice, bool defaultAnswer) override {
    if (LogNotice(notice)) return defaultAnswer;
    const int answer = Box(notice, MB_YESNO | (defaultAnswer ? MB_DEFBUTTON1 : MB_DEFBUTTON2));
    // A box that could not be shown leaves the decision at its default.
    if (answer == 0) return defaultAnswer;
    return answer == IDYES;
  }
};

}  // namespace

NoticeSink& DefaultNoticeSink() {
  static MessageBoxSink sink;
  return sink;
}

}  // namespace pelcon::platform
