#pragma once

#include <cstdint>

// The composite value types of the typed data library (codes 31 to 33).

namespace pelcon {

// Colour: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using RgbColor = std::uint32_t;

constexpr RgbColor MakeRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<RgbColor>(red) | (static_cast<RgbColor>(green) << 8) |
         (static_cast<RgbColor>(blue) << 16);
}
constexpr std::uint8_t RedOf(RgbColor c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(RgbColor c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(RgbColor c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace pelcon
