#include "outputs/output_format.hpp"

namespace pelcon::outputs {
namespace {

struct FormatNames {
  std::string_view name;       // as --format gives it
  std::string_view extension;  // of its files
};

FormatNames NamesOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::kXlsx:
      return {"xlsx", ".xlsx"};
    case OutputFormat::kNetcdf:
      return {"netcdf", ".nc"};
    case OutputFormat::kCsv:
      break;
  }
  return {"csv", ".csv"};
}

}  // namespace

bool TypedOutputsAvailable() {
#ifdef PELCON_TYPED_OUTPUTS
  return true;
#else
  return false;
#endif
}

std::string_view OutputFormatName(OutputFormat format) {
  return NamesOf(format).name;
}

std::string_view FileExtension(OutputFormat format) {
  return NamesOf(format).extension;
}

std::string DefaultNamePattern(OutputFormat format) {
  return "{name}" + std::string(FileExtension(format));
}

}  // namespace pelcon::outputs
