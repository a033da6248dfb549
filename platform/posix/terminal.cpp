#include "platform/terminal.hpp"

#include <unistd.h>

namespace pelcon::platform {

bool IsErrorStreamTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace pelcon::platform
