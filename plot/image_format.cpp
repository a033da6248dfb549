#include "plot/image_format.hpp"

#include "datalib/text_helpers.hpp"

namespace pelcon::plot {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

std::optional<ImageFormat> ImageFormatOf(std::string_view path) {
  if (EndsWithNoCase(path, ".png")) return ImageFormat::kPng;
  if (EndsWithNoCase(path, ".svg")) return ImageFormat::kSvg;
  return std::nullopt;
}

std::string WithImageExtension(std::string_view path, ImageFormat format) {
  std::string named(path);
  if (!ImageFormatOf(path)) named += format == ImageFormat::kSvg ? ".svg" : ".png";
  return named;
}

}  // namespace pelcon::plot
