#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/notifier.hpp"

namespace pelcon::testing {

// Collects the notices shown while it is alive instead of letting them reach stderr.
class NoticeRecorder final : public platform::NoticeSink {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    platform::NoticeIcon icon;
  };

  NoticeRecorder() : installation_(*this) {}

  void Show(const platform::Notice& notice) override {
    shown.push_back({std::string(notice.caption), std::string(notice.text), notice.icon});
  }
  bool Ask(const platform::Notice& notice, bool defaultAnswer) override {
    Show(notice);
    return answer.value_or(defaultAnswer);
  }

  std::vector<Shown> shown;
  std::optional<bool> answer;

 private:
  platform::ScopedNoticeSink installation_;
};

}  // namespace pelcon::testing
