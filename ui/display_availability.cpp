#include "ui/display_availability.hpp"

#include <array>
#include <cstdlib>

namespace pelcon::ui {

bool DisplayAvailable() {
#ifdef _WIN32
  return true;
#else
  constexpr std::array kVariables{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  for (const char* name : kVariables) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
#endif
}

}  // namespace pelcon::ui
