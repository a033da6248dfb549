#include "platform/notice_capture.hpp"

namespace pelcon::platform {
namespace {

thread_local ScopedNoticeCapture* threadCapture = nullptr;

}  // namespace

ScopedNoticeCapture::ScopedNoticeCapture() : outer_(threadCapture) {
  threadCapture = this;
}

ScopedNoticeCapture::~ScopedNoticeCapture() {
  threadCapture = outer_;
}

void HearNotice(std::string_view text) {
  if (threadCapture != nullptr) threadCapture->texts_.emplace_back(text);
}

}  // namespace pelcon::platform
