#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelcon::ui {

// A window's size in pixels, kept in the settings as "<width>x<height>".
struct WindowSize {
  int width = 0;
  int height = 0;

  bool operator==(const WindowSize&) const = default;
};

// Nothing for text that is not two positive whole numbers around an "x".
std::optional<WindowSize> ParseWindowSize(std::string_view text);
std::string WindowSizeText(WindowSize size);

}  // namespace pelcon::ui
