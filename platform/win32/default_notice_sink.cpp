#include <windows.h>

#include <string>

#include "platform/notifier.hpp"

namespace pelcon::platform {
namespace {

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

class MessageBoxSink final : public NoticeSink {
 public:
  void Show(const Notice& notice) override { Box(notice, MB_OK); }

  bool Ask(const Notice& notice, bool defaultAnswer) override {
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
