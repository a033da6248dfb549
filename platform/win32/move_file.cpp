#include "platform/move_file.hpp"

#include <windows.h>

namespace pelcon::platform {

// MoveFileA never replaces an existing destination and copies across volumes by itself.
bool MoveFileWithoutReplacing(const std::string& from, const std::string& to, int& error) {
  if (::MoveFileA(from.c_str(), to.c_str())) return true;
  error = static_cast<int>(::GetLastError());
  return false;
}

}  // namespace pelcon::platform
