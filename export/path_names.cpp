#include "export/path_names.hpp"

#include "platform/path_separator.hpp"

// Paths are Windows-1252 or UTF-8 text; neither has a byte of a multi-byte character that equals
// "." or a separator, so a plain search from the end is safe.

namespace pelcon {
namespace {

std::string_view::size_type LastSeparator(std::string_view path) {
  for (std::string_view::size_type i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace

bool IsPathSeparator(char c) {
  return c == platform::kPathSeparator || c == '/';
}

std::string ExtensionOf(std::string_view path) {
  std::string_view::size_type dot = path.rfind('.');
  return dot == path.npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string FileNameOf(std::string_view path) {
  if (ExtensionOf(path).empty()) return {};
  std::string_view::size_type separator = LastSeparator(path);
  return std::string(separator == path.npos ? path : path.substr(separator + 1));
}

std::string DirectoryOf(std::string_view path) {
  std::string_view::size_type separator = LastSeparator(path);
  return std::string(separator == path.npos ? path : path.substr(0, separator + 1));
}

}  // namespace pelcon
