#include "platform/interrupt.hpp"

#include <windows.h>

#include <atomic>

namespace pelcon::platform {
namespace {

std::atomic<bool> interrupted{false};

BOOL WINAPI NoteInterrupt(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  interrupted.store(true);
  return TRUE;
}

}  // namespace

void CatchInterrupts() {
  ::SetConsoleCtrlHandler(NoteInterrupt, TRUE);
}

bool InterruptRequested() {
  return interrupted.load();
}

}  // namespace pelcon::platform
