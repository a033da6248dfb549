#include "platform/terminal.hpp"

#include <windows.h>

namespace pelcon::platform {

bool IsErrorStreamTerminal() {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace pelcon::platform
