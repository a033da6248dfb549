#include "cli/output_format.hpp"

namespace pelcon::cli {

bool TypedOutputsAvailable() {
#ifdef PELCON_TYPED_OUTPUTS
  return true;
#else
  return false;
#endif
}

std::string_view DefaultNamePattern(OutputFormat format) {
  switch (format) {
    case OutputFormat::kXlsx:
      return "{name}.xlsx";
    case OutputFormat::kNetcdf:
      return "{name}.nc";
    case OutputFormat::kCsv:
      break;
  }
  return "{name}.csv";
}

}  // namespace pelcon::cli
