#include "platform/win32/sibling_name.hpp"

#include <windows.h>

#include <atomic>

namespace pelcon::platform {

std::string SiblingName(const std::string& target, std::string_view tag) {
  static std::atomic<unsigned> counter{0};
  const std::string::size_type slash = target.find_last_of("\\/");
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + base + std::string(tag) + std::to_string(::GetCurrentProcessId()) + "-" +
         std::to_string(counter.fetch_add(1));
}

}  // namespace pelcon::platform
