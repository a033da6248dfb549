#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelcon::platform {

// Keeps the texts of the notices shown on its own thread while it lives; they are still shown as
// usual. The batch run uses it to keep each file's messages with that file's result. A capture
// made inside another hides the outer one until it ends.
class ScopedNoticeCapture {
 public:
  ScopedNoticeCapture();
  ScopedNoticeCapture(const ScopedNoticeCapture&) = delete;
  ScopedNoticeCapture& operator=(const ScopedNoticeCapture&) = delete;
  ~ScopedNoticeCapture();

  // The texts heard so far, in the order shown.
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  friend void HearNotice(std::string_view text);

  ScopedNoticeCapture* outer_;
  std::vector<std::string> texts_;
};

// Hands a notice shown on this thread to the thread's capture, when there is one.
void HearNotice(std::string_view text);

}  // namespace pelcon::platform
