#pragma once

#include <optional>
#include <string_view>

namespace pelcon::plot {

enum class ImageFormat { kPng, kSvg };

// The format a file name asks for by its extension (.png, .svg, any letter case); nothing for
// another.
std::optional<ImageFormat> ImageFormatOf(std::string_view path);

}  // namespace pelcon::plot
