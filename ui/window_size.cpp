#include "ui/window_size.hpp"

#include <charconv>

namespace pelcon::ui {
namespace {

// A positive whole number filling the text.
std::optional<int> ParsePositive(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value <= 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowSize> ParseWindowSize(std::string_view text) {
  const size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = ParsePositive(text.substr(0, cross));
  const std::optional<int> height = ParsePositive(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

std::string WindowSizeText(WindowSize size) {
  return std::to_string(size.width) + 'x' + std::to_string(size.height);
}

}  // namespace pelcon::ui
