#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelcon::plot {

enum class ImageFormat { kPng, kSvg };

// The format a file name asks for by its extension (.png, .svg, any letter case); nothing for
// another.
std::optional<ImageFormat> ImageFormatOf(std::string_view path);

// The name chosen for an image, with the extension of the format added when it names neither
// (a file dialog that asked about replacing the name has not asked about this one).
std::string WithImageExtension(std::string_view path, ImageFormat format);

}  // namespace pelcon::plot
