#include "platform/interrupt.hpp"

#include <signal.h>

#include <atomic>

namespace pelcon::platform {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void NoteInterrupt(int) {
  interrupted.store(true);
}

}  // namespace

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = NoteInterrupt;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
  return interrupted.load();
}

}  // namespace pelcon::platform
