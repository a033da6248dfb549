#pragma once

#include <string_view>

namespace pelcon::platform {

// The caption of the component's message boxes.
inline constexpr std::string_view kApplicationName = "Tarvel Pelcon";

enum class NoticeIcon { kNone, kStop, kExclamation, kInformation, kQuestion };

struct Notice {
  std::string_view caption;
  std::string_view text;  // may hold line breaks
  NoticeIcon icon;
};

// Where notices go: a message box inside a running dialog, a line on stderr otherwise, or a test's
// recorder. A sink may be called from any thread.
class NoticeSink {
 public:
  virtual ~NoticeSink() = default;
  virtual void Show(const Notice& notice) = 0;
  // A yes/no question; returns true for yes.
  virtual bool Ask(const Notice& notice, bool defaultAnswer) = 0;
};

void ShowNotice(std::string_view text, NoticeIcon icon,
                std::string_view caption = kApplicationName);
bool AskYesNo(std::string_view text, bool defaultAnswer, NoticeIcon icon = NoticeIcon::kQuestion,
              std::string_view caption = kApplicationName);

// The platform's sink, used when no other is installed.
NoticeSink& DefaultNoticeSink();

// Installs a sink for its lifetime and then restores the one it replaced. The sink must outlive
// the installation.
class ScopedNoticeSink {
 public:
  explicit ScopedNoticeSink(NoticeSink& sink);
  ScopedNoticeSink(const ScopedNoticeSink&) = delete;
  ScopedNoticeSink& operator=(const ScopedNoticeSink&) = delete;
  ~ScopedNoticeSink();

 private:
  NoticeSink* previous_;
};

}  // namespace pelcon::platform
