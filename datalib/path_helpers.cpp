#include "datalib/path_helpers.hpp"

#include "platform/path_separator.hpp"

namespace pelcon {
namespace {

std::size_t LastSeparator(std::string_view path) {
#ifdef _WIN32
  return path.find_last_of("\\/");
#else
  return path.rfind(platform::kPathSeparator);
#endif
}

}  // namespace

std::string PathDirectory(std::string_view path) {
  const std::size_t last = LastSeparator(path);
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string PathExtension(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  return std::string(path.substr(dot));
}

std::string PathTitle(std::string_view path) {
  const std::size_t last = LastSeparator(path);
  std::string_view name = last == std::string_view::npos ? path : path.substr(last + 1);
  name.remove_suffix(PathExtension(name).size());
  return std::string(name);
}

}  // namespace pelcon
