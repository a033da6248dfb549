#include "cli/output_format.hpp"

namespace pelcon::cli {

bool TypedOutputsAvailable() {
#ifdef PELCON_TYPED_OUTPUTS
  return true;
#else
  return false;
#endif
}

std::string_view OutputFormatName(OutputFormat format) {
  switch (format) {
    case OutputFormat::kXlsx:
      return "xlsx";
    case OutputFormat::kNetcdf:
      return "netcdf";
    case OutputFormat::kCsv:
      break;
  }
  return "csv";
}

std::string_view FileExtension(OutputFormat format) {
  switch (format) {
    case OutputFormat::kXlsx:
      return ".xlsx";
    case OutputFormat::kNetcdf:
      return ".nc";
    case OutputFormat::kCsv:
      break;
  }
  return ".csv";
}

std::string DefaultNamePattern(OutputFormat format) {
  return "{name}" + std::string(FileExtension(format));
}

}  // namespace pelcon::cli
