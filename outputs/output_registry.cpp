#include <vector>

#include "outputs/output_format.hpp"

namespace pelcon::outputs {

// The formats the build registered (outputs/CMakeLists.txt), each defined in its folder.
#define PELCON_OUTPUT_FORMAT(name) extern const OutputFormat k##name##OutputFormat;
#include "registered_output_formats.inc"
#undef PELCON_OUTPUT_FORMAT

std::span<const OutputFormat> OutputFormats() {
  static const std::vector<OutputFormat> formats = {
#define PELCON_OUTPUT_FORMAT(name) k##name##OutputFormat,
#include "registered_output_formats.inc"
#undef PELCON_OUTPUT_FORMAT
  };
  return formats;
}

const OutputFormat* FindOutputFormat(std::string_view name) {
  for (const OutputFormat& format : OutputFormats()) {
    if (format.name == name) return &format;
  }
  return nullptr;
}

std::string OutputFormatNames(std::string_view separator) {
  std::string names;
  for (const OutputFormat& format : OutputFormats()) {
    if (!names.empty()) names.append(separator);
    names.append(format.name);
  }
  return names;
}

std::string DefaultNamePattern(const OutputFormat& format) {
  return "{name}" + std::string(format.extension);
}

}  // namespace pelcon::outputs
